// The Lumicord desktop program.
#include <cstdio>

#include "app/CApplicationApp.h"
#include "ui/CQtApplicationHooks.h"
#include "ui/DisplayCheck.h"

int main(int argc, char** argv) {
    if (const auto reason = lumicord::MissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    lumicord::CQtApplicationHooks hooks(argc, argv);
    lumicord::CApplicationApp app(hooks);
    app.InitInstance();
    return app.ExitInstance();
}
