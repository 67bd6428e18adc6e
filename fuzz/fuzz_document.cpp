// libFuzzer target for the layout document reader: the bytes are read as a
// stored document (plain or scrambled), once as from a package and once as a
// document of the older folder format, and the board is written out again.
// Build: see fuzz/README.md.
#include "layout_io/document_reader.h"
#include "layout_io/document_writer.h"
#include "model/board.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static const sw::OpenContext contexts[] = {
        {true, QStringLiteral("/nonexistent-signwright-fuzz/work"), QStringLiteral("/nonexistent-signwright-fuzz"), {}},
        {false, QStringLiteral("/nonexistent-signwright-fuzz/work"), QStringLiteral("/nonexistent-signwright-fuzz"),
         QStringLiteral("Lunch")},
    };
    // The reader resets every cell itself; one board serves every run.
    static sw::MenuBoard board;
    for (const sw::OpenContext& context : contexts) {
        sw::NoFontCheck fonts;
        QStringList missing;
        if (sw::ReadLayoutDocumentBytes(bytes, board, context, &fonts, missing) == sw::DocumentReadResult::Read) {
            if (board.NumberOfColumns < sw::MenuBoard::MinColumns || board.NumberOfColumns > sw::MenuBoard::MaxColumns
                || board.NumberOfRows < sw::MenuBoard::MinRows || board.NumberOfRows > sw::MenuBoard::MaxRows)
                __builtin_trap();
            (void)sw::WriteLayoutDocument(board, board.BackgroundFileName);
        }
    }
    return 0;
}
