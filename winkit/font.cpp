#include "winkit/font.h"

#include <array>

#include "winkit/text.h"

namespace winkit {

namespace {

HFONT CreateWithFace(const std::wstring& face, int height, Pitch pitch, BYTE charset) {
    const DWORD pitch_family =
        pitch == Pitch::Fixed ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch_family, face.c_str());
}

struct Realized {
    std::wstring face;
    int charset;
};

Realized Realize(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    const int charset = GetTextCharset(dc);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {face, charset};
}

} // namespace

Font::Font(std::string_view face, int height, Pitch pitch, BYTE charset)
    : face_(face), height_(height), pitch_(pitch), charset_(charset) {
    handle_ = CreateWithFace(Widen(face), height, pitch, charset);
    if (charset != SHIFTJIS_CHARSET || Realize(handle_).charset == SHIFTJIS_CHARSET) {
        return;
    }
    // The face is missing and the font mapper fell back to a font without Japanese: try the
    // Japanese faces that are usually installed, nearest first.
    static const std::array<const wchar_t*, 5> kVariable = {
        L"MS PGothic", L"Meiryo UI", L"IPAPGothic", L"VL PGothic", L"Noto Sans CJK JP"};
    static const std::array<const wchar_t*, 5> kFixed = {
        L"MS Gothic", L"MS UI Gothic", L"IPAGothic", L"VL Gothic", L"Noto Sans Mono CJK JP"};
    for (const wchar_t* candidate : pitch == Pitch::Fixed ? kFixed : kVariable) {
        HFONT other = CreateWithFace(candidate, height, pitch, charset);
        if (Realize(other).charset == SHIFTJIS_CHARSET) {
            DeleteObject(handle_);
            handle_ = other;
            return;
        }
        DeleteObject(other);
    }
}

Font::~Font() {
    if (handle_) {
        DeleteObject(handle_);
    }
}

int Font::HeightForPoints(int points) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return -MulDiv(points, dpi, 72);
}

std::string Font::ActualFace() const {
    return Narrow(Realize(handle_).face);
}

} // namespace winkit
