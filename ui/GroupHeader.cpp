#include "ui/GroupHeader.h"

TGroupHeader::TGroupHeader(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 185, 17);
}

TGroupHeader::TGeometry TGroupHeader::Geometry(TSize caption) const {
    TGeometry geometry;
    geometry.CaptionOrigin = {kCaptionIndent, 0};
    geometry.RuleLeft = kCaptionIndent + caption.Width + kRuleGap;
    // The last column drawn: the rule ends (caption width + 12) pixels before the right edge.
    geometry.RuleRight = Width() - (caption.Width + kRuleGap) - 1;
    geometry.RuleTop = caption.Height / 2;
    return geometry;
}
