#pragma once
class QLabel;

namespace rdz {

// The label paints its text cut with "..." to the room it has, and shows the
// whole text as its tool tip; it no longer asks for the room its text needs,
// so a long message cannot push its neighbours out. With the property "quiet"
// set, the text is painted grey whatever colour it has.
void ElideText(QLabel* label);

}  // namespace rdz
