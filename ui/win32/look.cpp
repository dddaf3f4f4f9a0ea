#include "ui/win32/look.h"

#include <vector>

namespace pet::win32 {

COLORREF toColorRef(TColor c) {
    // The toolkit's TColor is already 0x00BBGGRR; a system colour carries
    // the number of the desktop's colour in its low byte.
    if (isSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

HBRUSH brushOf(TColor c) {
    struct Cached {
        TColor color;
        HBRUSH brush;
    };
    static std::vector<Cached> cache;
    for (const Cached& x : cache)
        if (x.color == c) return x.brush;
    HBRUSH b = isSystemColor(c) ? GetSysColorBrush(static_cast<int>(c & 0xFF)) : CreateSolidBrush(toColorRef(c));
    cache.push_back({c, b});
    return b;
}

namespace {

// Whether a face of this name is installed; where it is not, the font
// mapper would quietly pick another one.
bool installed(const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &lf, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
            *reinterpret_cast<bool*>(p) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

const wchar_t* faceName(FontFace face, int dpi) {
    // The two faces the window was designed with. The window's one is a
    // bitmap font made for the design size; drawn larger, its scalable
    // successor keeps the letters sharp. Where a desktop lacks the bubble's
    // hand-written face, its nearest free relative.
    if (face == FontFace::Window) {
        static const bool successor = installed(L"Microsoft Sans Serif");
        return dpi != 96 && successor ? L"Microsoft Sans Serif" : L"MS Sans Serif";
    }
    static const wchar_t* comic = installed(L"Comic Sans MS") ? L"Comic Sans MS"
                                  : installed(L"Comic Neue")  ? L"Comic Neue"
                                                              : L"Comic Sans MS";
    return comic;
}

}  // namespace

HFONT modelFont(FontFace face, int pixelHeight, bool bold, int dpi) {
    struct Cached {
        FontFace face;
        int pixelHeight;
        bool bold;
        int dpi;
        HFONT font;
    };
    static std::vector<Cached> cache;
    for (const Cached& c : cache)
        if (c.face == face && c.pixelHeight == pixelHeight && c.bold == bold && c.dpi == dpi) return c.font;
    LOGFONTW lf{};
    lf.lfHeight = -scaled(pixelHeight, dpi);  // the height of the characters, not of the cell
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    // The texts are Russian: a face, or a variant of it, with Cyrillic letters.
    lf.lfCharSet = RUSSIAN_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, faceName(face, dpi), LF_FACESIZE);
    HFONT f = CreateFontIndirectW(&lf);
    cache.push_back({face, pixelHeight, bold, dpi, f});
    return f;
}

}  // namespace pet::win32
