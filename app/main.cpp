// The process entry: one copy at a time, the four windows, the message loop.
#include <windows.h>

#include "app/instance_lock.h"
#include "core/paths.h"
#include "ui/Mainunit.h"
#include "ui/Userform.h"
#include "ui/Viewprint.h"
#include "ui/Viewunit.h"
#include "winkit/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    winkit::Application& app = winkit::App();
    const std::string lock_name = ravoxel::FileNamePart(app.ExeName());
    if (InstanceLockHeld(lock_name)) {
        return 0; // another copy runs: end silently, its command line dropped
    }
    HANDLE lock = TakeInstanceLock(lock_name);
    try {
        app.SetTitle("Ravoxel");
        app.CreateForm(MainForm); // the first form made is the main form
        app.CreateForm(ViewForm);
        app.CreateForm(PrintForm);
        app.CreateForm(User);
        app.Run();
    } catch (...) {
        // Anything that escaped window creation or the loop; the windows not made yet stay
        // unmade. An exception that is not a std::exception shows an empty message.
        app.HandleException();
    }
    // Held until the loop has ended, so a copy started while this one saves its settings still
    // ends at once.
    ReleaseMutex(lock);
    app.DestroyForms();
    return 0;
}
