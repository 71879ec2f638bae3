// Loading the source program into the working text at the start of a run.
#include <string>

#include "core/source_loader.h"
#include "ui/Mainunit.h"
#include "winkit/application.h"
#include "winkit/dialogs.h"
#include "winkit/error.h"
#include "winkit/files.h"

namespace {

// A file is measured in bytes, which are never fewer than its characters: a file within the
// working text's limit always fits.
constexpr unsigned long long kSourceLimit = ravoxel::kWorkingTextLimit;

std::optional<std::string> ReadSource(const std::string& path) {
    try {
        return winkit::ReadWholeFile(path);
    } catch (const winkit::FileError&) {
        return std::nullopt;
    }
}

// "30,000,000": digits grouped by three.
std::string Grouped(unsigned long long number) {
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

} // namespace

bool TMainForm::LoadSourceText(const std::string& Path) {
    // A file over the limit is refused before anything is read: nothing would be cut silently.
    auto too_large = [&](unsigned long long size) {
        if (size <= kSourceLimit) {
            return false;
        }
        DialogResult =
            winkit::App().MessageBox("ファイル " + Path + " は大きすぎるため読み込めません。\n" +
                                         "大きさ: " + Grouped(size) + " バイト (読み込めるのは " +
                                         Grouped(kSourceLimit) + " バイトまでです)",
                                     "確認", MB_OK | MB_ICONSTOP);
        return true;
    };

    std::string text;
    std::optional<std::string> bytes;
    {
        StepTimer timer(LastRunTimes.read);
        if (const auto size = winkit::FileSize(Path)) {
            if (too_large(*size)) {
                return false;
            }
            bytes = ReadSource(Path);
        }
    }
    if (bytes) {
        if (too_large(bytes->size())) { // it grew in the meantime
            return false;
        }
        const ravoxel::WholeFileText whole = ravoxel::TakeUpToFirstNul(*bytes);
        text.assign(whole.text);
        if (whole.nul_offset && !text.empty()) {
            // The rest of the file is not loaded: say so, or the saved program would silently
            // lack its end.
            DialogResult = winkit::MessageDlgPos(
                "ファイル " + Path + " は先頭から " + Grouped(*whole.nul_offset) +
                    " バイトの所に NUL 文字が有ります。\nそれより後のデータは読み込みません。",
                winkit::MsgDlgType::Warning, winkit::mbOK, Left() + 50, Top() + 50);
        }
    }

    const bool ask = text.empty();
    if (ask) {
        DialogResult = winkit::MessageDlgPos(
            "ファイル形式が違います。\nそのまま読み込みは可能ですが、データの一部読み込めない"
            "可能性が有ります。\n読み込み開始は「はい(Y)」",
            winkit::MsgDlgType::Warning, winkit::mbYes | winkit::mbNo, Left() + 50, Top() + 50);
        if (DialogResult == winkit::mrYes) {
            bytes = ReadSource(Path);
            if (!bytes) {
                DialogResult = winkit::App().MessageBox("ファイル " + Path + " を開けません。",
                                                        "確認", MB_OK | MB_ICONSTOP);
            } else if (too_large(bytes->size())) {
                return false;
            } else {
                text = ravoxel::ReadLineByLine(*bytes).WholeText();
            }
        }
    }

    {
        StepTimer timer(LastRunTimes.load_view);
        Working.Load(std::move(text));
    }
    if (ask) {
        RichEdit1.Select(0, 0);
        RichEdit1.ScrollCaret();
    }
    return true;
}
