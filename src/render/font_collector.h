#pragma once
// While a board is composed for saving (or a legacy layout is being taken in),
// the text painter reports every family it draws with, so the layout package
// can carry the font files. The fonts module implements the real collector.
#include <QString>

namespace sw {

class FontCollector {
public:
    virtual ~FontCollector() = default;
    // Called once per drawn text block with the block's family as the layout
    // names it (before any substitution). Must tolerate repeats.
    virtual void CollectLayoutFont(const QString& family) { (void)family; }
    // Every composition starts the list afresh, so a family no longer drawn
    // does not linger in the package.
    virtual void BeginComposition() { }
};

} // namespace sw
