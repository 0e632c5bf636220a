/// \file color.h
/// \brief Colours as the windows store them: 0x00BBGGRR.
#pragma once

#include <QColor>
#include <cstdint>

namespace morvel::toolkit {

using VbColor = uint32_t;

inline QColor toQColor(VbColor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

namespace colors {
inline constexpr VbColor lightYellow = 0x0080FFFF;  ///< window and label background
inline constexpr VbColor white = 0x00FFFFFF;        ///< idle boxes and buttons
inline constexpr VbColor cyan = 0x00FFFF00;         ///< results and result markers
inline constexpr VbColor pink = 0x008080FF;         ///< the diagram remark box
inline constexpr VbColor black = 0x00000000;
inline constexpr VbColor buttonFace = 0x00E0E0E0;
}  // namespace colors

/// 15 twips to a logical pixel; Qt's device-pixel ratio does the rest.
inline constexpr double twipsPerPixel = 15.0;

}  // namespace morvel::toolkit
