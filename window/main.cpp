// Tarvik: start-up. The application object, the calculator window and the
// event loop until the calculator closes.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "platform/application.h"
#include "platform/console.h"
#include "platform/font_setup_ahead.h"
#include "platform/process_signals.h"
#include "resources/icon.h"
#include "cli/command_line.h"
#include "window/display_check.h"
#include "window/calculator_window.h"
#include "window/language.h"
#include "files/settings.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string chosen, error;
    bool languageGiven = false;
    const bool languageRead = tarvik::TakeLanguageOption(arguments, chosen, languageGiven, error);
    const auto environment = [](const char* name) { return std::getenv(name); };
    const bool localeNamed = environment("LC_ALL") || environment("LC_MESSAGES") || environment("LANG");
    const std::string desktop = localeNamed ? tarvik::DesktopLanguage(environment) : tarvik::SystemLanguage();
    // Any other argument asks for the command line: a misspelled option is
    // an error there, not a window opened in its stead. The command line
    // speaks the desktop's language, or --language's.
    if (!languageRead || !arguments.empty()) {
        tarvik::UseParentConsole();
        tarvik::UseLanguage(languageGiven ? chosen : desktop);
        if (!languageRead) {
            std::cerr << "tarvik: " << error << "\n";
            return 2;
        }
        return tarvik::RunCommandLine(arguments, std::cin, std::cout, std::cerr, tarvik::DesktopDecimalMark());
    }
    // Fontconfig sets itself up on a second thread while Qt starts.
    tarvik::FontSetupAhead fontSetup;
    // The window's language: --language (remembered from now on), else the
    // one chosen before, else the desktop's. Chosen before the display is
    // looked for, so that a missing one is reported in it too.
    std::string language = desktop, saved;
    if (languageGiven) {
        tarvik::SaveLanguage(chosen);
        language = chosen;
    } else if (tarvik::SavedLanguage(saved) && tarvik::UseLanguage(saved)) {
        language = saved;
    }
    tarvik::UseLanguage(language);
    if (const auto missing = tarvik::MissingDisplayMessage()) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    tarvik::SilenceRuntimeDirectoryWarning();
    std::optional<tarvik::StartupGuard> startup(std::in_place);
    tarvik::Application app(argc, argv);
    startup.reset();
    tarvik::UseLanguage(language);  // again, now that Qt's own words can follow
    tarvik::QuitOnTerminationRequest();
    app.SetTitle("Tarvik");
    app.setWindowIcon(tarvik::ProgramIcon());
    // Every window takes the application's icon. The help window is built
    // at its first use: laying out the whole help text cost every start
    // 1.7 ms and its document's memory.
    fontSetup.Finish();
    tarvik::CalculatorWindow window;
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    window.show();
    window.activateWindow();
    // Where no window manager activates the window, the start values are
    // written all the same once the loop runs.
    constexpr int kStartValuesFallbackMs = 200;
    QTimer::singleShot(kStartValuesFallbackMs, &window, [&window] { tarvik::Guarded([&window] { window.WriteStartValuesOnce(); }); });
    // Closing the calculator ends the program, help window or not.
    window.setAttribute(Qt::WA_QuitOnClose, true);
    return app.exec();
}
