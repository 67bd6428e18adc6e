#include "editor/undo_history.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(UndoHistory, OneRestoreBringsBackAWholeStepAndOnlyThatStep)
{
    MenuBoard board;
    UndoHistory undo;
    EXPECT_TRUE(undo.PopStep(board).empty()); // nothing to undo is harmless

    board.strip(0, 0).MainItem.Text = "Soup";
    undo.Push(board, {0, 0}, false); // a text edit
    board.strip(0, 0).MainItem.Text = "Stew";

    for (int row = 1; row <= 3; ++row) {
        board.strip(1, row).MainItem.Text = QString("Item %1").arg(row);
        undo.Push(board, {1, row}, row > 1); // a group delete of three
    }
    for (int row = 1; row <= 3; ++row)
        ResetStrip(board.strip(1, row));
    EXPECT_EQ(undo.UndoIndex(), 3);

    const auto restored = undo.PopStep(board);
    EXPECT_EQ(restored.size(), 3u);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(board.strip(1, row).MainItem.Text, QString("Item %1").arg(row));
    EXPECT_EQ(board.strip(0, 0).MainItem.Text, "Stew");
    EXPECT_EQ(undo.UndoIndex(), 0);

    undo.PopStep(board);
    EXPECT_EQ(board.strip(0, 0).MainItem.Text, "Soup");
    EXPECT_FALSE(undo.HasRecords());
}

TEST(UndoHistory, RecordsAreDeepCopiesAndOnlyAnUnchangedTopIsDropped)
{
    MenuBoard board;
    board.strip(2, 2).Prices.Text = "1.99";
    UndoHistory undo;
    undo.Push(board, {2, 2}, false);
    board.strip(2, 2).Prices.Text = "2.49";
    EXPECT_FALSE(undo.DropIfUnchanged(board.strip(2, 2)));
    EXPECT_EQ(undo.records().back().Strip.Prices.Text, "1.99");

    board.strip(2, 2).Prices.Text = "1.99";
    EXPECT_TRUE(undo.DropIfUnchanged(board.strip(2, 2)));
    EXPECT_FALSE(undo.HasRecords());
    EXPECT_FALSE(undo.DropIfUnchanged(board.strip(2, 2)));
}

TEST(UndoHistory, AStepThatChangedNothingRestoresNothingButIsConsumed)
{
    MenuBoard board;
    UndoHistory undo;
    undo.Push(board, {0, 1}, false);
    EXPECT_TRUE(undo.PopStep(board).empty());
    EXPECT_FALSE(undo.HasRecords());
}
