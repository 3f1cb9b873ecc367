#pragma once
// Function numbers of the metafile records and the constants their fields use.

#include <QtGlobal>

namespace wmf::rec {

inline constexpr quint16 Eof = 0x0000;
inline constexpr quint16 SaveDc = 0x001E;
inline constexpr quint16 RealizePalette = 0x0035;
inline constexpr quint16 CreatePalette = 0x00F7;
inline constexpr quint16 SetBkMode = 0x0102;
inline constexpr quint16 SetMapMode = 0x0103;
inline constexpr quint16 SetRop2 = 0x0104;
inline constexpr quint16 SetPolyFillMode = 0x0106;
inline constexpr quint16 SetStretchBltMode = 0x0107;
inline constexpr quint16 RestoreDc = 0x0127;
inline constexpr quint16 SelectObject = 0x012D;
inline constexpr quint16 SetTextAlign = 0x012E;
inline constexpr quint16 DibCreatePatternBrush = 0x0142;
inline constexpr quint16 DeleteObject = 0x01F0;
inline constexpr quint16 CreatePatternBrush = 0x01F9;
inline constexpr quint16 SetBkColor = 0x0201;
inline constexpr quint16 SetTextColor = 0x0209;
inline constexpr quint16 SetWindowOrg = 0x020B;
inline constexpr quint16 SetWindowExt = 0x020C;
inline constexpr quint16 SetViewportOrg = 0x020D;
inline constexpr quint16 SetViewportExt = 0x020E;
inline constexpr quint16 OffsetWindowOrg = 0x020F;
inline constexpr quint16 OffsetViewportOrg = 0x0211;
inline constexpr quint16 LineTo = 0x0213;
inline constexpr quint16 MoveTo = 0x0214;
inline constexpr quint16 CreatePenIndirect = 0x02FA;
inline constexpr quint16 CreateFontIndirect = 0x02FB;
inline constexpr quint16 CreateBrushIndirect = 0x02FC;
inline constexpr quint16 Polygon = 0x0324;
inline constexpr quint16 Polyline = 0x0325;
inline constexpr quint16 ScaleWindowExt = 0x0410;
inline constexpr quint16 ScaleViewportExt = 0x0412;
inline constexpr quint16 IntersectClipRect = 0x0416;
inline constexpr quint16 Ellipse = 0x0418;
inline constexpr quint16 Rectangle = 0x041B;
inline constexpr quint16 TextOut = 0x0521;
inline constexpr quint16 PolyPolygon = 0x0538;
inline constexpr quint16 RoundRect = 0x061C;
inline constexpr quint16 Escape = 0x0626;
inline constexpr quint16 CreateRegion = 0x06FF;
inline constexpr quint16 Arc = 0x0817;
inline constexpr quint16 Pie = 0x081A;
inline constexpr quint16 Chord = 0x0830;
inline constexpr quint16 DibBitBlt = 0x0940;
inline constexpr quint16 ExtTextOut = 0x0A32;
inline constexpr quint16 DibStretchBlt = 0x0B41;
inline constexpr quint16 StretchDib = 0x0F43;

inline constexpr quint32 PlaceableKey = 0x9AC6CDD7;

inline constexpr quint16 TaUpdateCp = 0x0001;
inline constexpr quint16 TaRight = 0x0002;
inline constexpr quint16 TaCenter = 0x0006;
inline constexpr quint16 TaBottom = 0x0008;
inline constexpr quint16 TaBaseline = 0x0018;

inline constexpr quint16 EtoOpaque = 0x0002;
inline constexpr quint16 EtoClipped = 0x0004;

inline constexpr quint32 SrcCopy = 0x00CC0020;
inline constexpr quint32 PatCopy = 0x00F00021;
inline constexpr quint32 Blackness = 0x00000042;
inline constexpr quint32 Whiteness = 0x00FF0062;
inline constexpr quint32 DstInvert = 0x00550009;

} // namespace wmf::rec
