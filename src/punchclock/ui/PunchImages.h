#pragma once

#include <QIcon>
#include <QPixmap>

// The images of the punch-clock screen, drawn here rather than shipped.
namespace punchimages {

inline constexpr int kButtonWidth = 84;
inline constexpr int kButtonHeight = 44;

// The raised (Image3) and pressed (Image4) image of punch kind k.
QPixmap raised(int k);
QPixmap pressed(int k);

// Toolbar button n (1-4): month view, removal, additional punch, guide.
QIcon toolbarIcon(int n);

} // namespace punchimages
