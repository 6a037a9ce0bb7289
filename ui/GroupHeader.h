#pragma once

#include "ui/Control.h"

// A caption followed on the same line by an etched horizontal rule. The caption is drawn 4
// pixels in; the rule, two one-pixel lines (button shadow above, button highlight below) at half
// the caption's height, begins 12 pixels after the caption and ends the caption's width plus 12
// pixels before the right edge.
class TGroupHeader : public TControl {
public:
    explicit TGroupHeader(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::GroupHeader; }

    struct TGeometry {
        TPoint CaptionOrigin;
        // The rule's first and last column and the row of its upper line; no rule when the
        // last column lies before the first.
        int RuleLeft = 0;
        int RuleRight = 0;
        int RuleTop = 0;
        bool HasRule() const { return RuleRight >= RuleLeft; }
    };
    // Where caption and rule go, for a caption of the given size in the header's font.
    TGeometry Geometry(TSize caption) const;

    static constexpr int kCaptionIndent = 4;
    static constexpr int kRuleGap = 12;
};
