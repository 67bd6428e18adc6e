#pragma once
// Portrait boards are often shown on a television turned on its side, so the TV
// image of a portrait board can be turned. The last choice is remembered in
// RotationData.txt and preselected the next time.
#include <QString>

namespace sw {

class Prompter;

enum RotationChoice : int { RotationNone = 0, RotationClockwise = 1, RotationCounterClockwise = 2 };

inline const QString kRotationDataFileName = QStringLiteral("RotationData.txt");

// The choice stored in folder's RotationData.txt; 0 when the file is missing,
// unreadable or holds anything but "1" or "2" as its first character.
int ReadRotationChoice(const QString& folder);

// Stores the choice as its decimal digits in UTF-16LE without byte order mark,
// replacing the file atomically. False when it could not be written.
bool WriteRotationChoice(const QString& folder, int choice);

// Asks with the stored choice preselected, stores the answer and returns it. A
// dismissed question keeps the stored choice; an answer outside 0..2 counts as 0.
int AskRotationChoice(Prompter& prompter, const QString& folder);

} // namespace sw
