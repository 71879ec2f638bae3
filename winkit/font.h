#pragma once
// A GDI font of the windows: face name (code page 932), height in pixels (negative: character
// height, as the form designer gives it), pitch and character set.
#include <windows.h>

#include <string>
#include <string_view>

namespace winkit {

enum class Pitch { Variable, Fixed };

class Font {
public:
    // When `face` does not exist, the nearest Japanese font of the same pitch is taken.
    Font(std::string_view face, int height, Pitch pitch, BYTE charset = SHIFTJIS_CHARSET);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Pixel height for a size in points on the screen (negative, character height).
    static int HeightForPoints(int points);

    HFONT Handle() const { return handle_; }
    const std::string& Face() const { return face_; }
    int Height() const { return height_; }
    Pitch GetPitch() const { return pitch_; }
    BYTE Charset() const { return charset_; }
    // The face the system really gave (under Wine: the font the Japanese face maps to).
    std::string ActualFace() const;

private:
    HFONT handle_ = nullptr;
    std::string face_;
    int height_;
    Pitch pitch_;
    BYTE charset_;
};

} // namespace winkit
