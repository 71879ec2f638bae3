#pragma once
// The status bar with panels, and the progress bar (which may lie over one of its panels).
#include <vector>

#include "winkit/control.h"

namespace winkit {

class StatusBar : public Control {
public:
    struct PanelSpec {
        int width;
        bool bevel = true; // false: the panel is drawn flat
    };

    // Placed by the caller at `bounds` (the bar does not move or size itself).
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    // The last panel reaches to the right end of the bar whatever its width.
    void SetPanels(const std::vector<PanelSpec>& panels);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Right edge of each panel as the bar holds it (the last one -1: to the end).
    std::vector<int> PanelEdges() const;
    std::string PanelText(int index) const;
    void SetPanelText(int index, std::string_view text);

private:
    std::vector<PanelSpec> panels_;
};

class ProgressBar : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    // A continuous bar rather than blocks; may be set before Create.
    void SetSmooth(bool smooth);
    bool Smooth() const { return smooth_; }
    void SetMin(int min);
    void SetMax(int max);
    void SetPosition(int position);
    int Min() const;
    int Max() const;
    int Position() const;

private:
    bool smooth_ = false;
};

} // namespace winkit
