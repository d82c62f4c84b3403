// Where the panes of the main window sit. The window has a fixed size that follows the panes
// it shows: the top row in basic mode; the mixers, viewer and colour list added in advanced mode.
#pragma once

#include <QRect>

namespace tintora::layout {

inline constexpr QRect kColourSelectGroupBox{4, 2, 300, 150};
inline constexpr QRect kRGBValuesGroupBox{308, 2, 272, 150};
inline constexpr QRect kExternalColourSourcePanel{584, 8, 36, 144};
inline constexpr QRect kPageControl1{4, 156, 472, 196};
inline constexpr QRect kColourViewerGroupBox{480, 156, 160, 196};
inline constexpr QRect kColourListGroupBox{644, 2, 230, 350};
inline constexpr QRect kDonatePanel{4, 356, 870, 64};
inline constexpr int kMargin = 4;

}  // namespace tintora::layout
