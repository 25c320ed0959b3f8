// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>
#include <memory>

#include "app/about_form.h"
#include "app/bkgrd_form.h"
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/precision_form.h"
#include "app/results_window_ops.h"
#include "app/splash_form.h"
#include "app/ui_language.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/mol_wt_form.h"
#include "tools/gui/molar_mass_form.h"
#include "tools/gui/reaction_form.h"
#include "tools/gui/solution_form.h"

namespace brisalto {
namespace {

constexpr char kOrganizationName[] = "Brisalto";
constexpr char kDesktopFileName[] = "io.github.brisalto.calculator";
constexpr char kHelpFileProperty[] = "HelpFile";

// The signal handler only writes a byte; the loop reads it and quits.
int signal_fds[2] = {-1, -1};

// A loop busy with one long step (a huge line laid out) would keep the user waiting; after this
// long the signal ends the program as it would have without a handler.
constexpr unsigned kQuitGraceSeconds = 1;

void OnQuitSignal(int signal_number) {
    const char byte = static_cast<char>(signal_number);
    [[maybe_unused]] const ssize_t written = ::write(signal_fds[0], &byte, 1);
    alarm(kQuitGraceSeconds);
}

void OnQuitGraceOver(int) {
    struct sigaction plain = {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    sigaction(SIGTERM, &plain, nullptr);
    raise(SIGTERM);
}

}  // namespace

CalculatorApplication::CalculatorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CalculatorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportError(CurrentExceptionMessage());
    }
    return false;
}

void SetUpApplication(QApplication& app) {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/app/brisalto-calculator.svg")));
    app.setProperty(kHelpFileProperty, QString::fromUtf8(kHelpFilePath));
}

void QuitOnSignals(QApplication& app) {
    if (signal_fds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signal_fds) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signal_fds[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signal_fds[1], &byte, 1);
        // The loop answered in time: the way out below writes the settings.
        alarm(0);
        // Ended by the session (logout) or a terminal: whatever goes wrong on the way out is
        // told on standard error, since a message box would wait for a person who is gone.
        SetErrorReporter(ReportOnStandardError);
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal_number, &action, nullptr);
    }
    struct sigaction grace = {};
    grace.sa_handler = OnQuitGraceOver;
    sigemptyset(&grace.sa_mask);
    sigaction(SIGALRM, &grace, nullptr);
}

int RunCalculator(QApplication& app) {
    // Without the program's translations the window stays English; nothing else depends on them.
    InstallTranslators(app, ChooseUiLanguage(ProcessEnvironment));
    auto splash = std::make_unique<TSplashForm>();
    splash->ShowAndPaint();
    SetUpApplication(app);

    // The main window first: the dialogs read what its settings restored.
    auto main_form = std::make_unique<TMainForm>();
    DialogForms dialogs;
    dialogs.bkgrd = new TBkgrdForm(main_form.get());
    dialogs.precision = new TPrecisionForm(main_form->calculator(), main_form.get());
    dialogs.mol_wt = new TMolWtForm(main_form.get());
    dialogs.conv = new TConvForm(main_form.get());
    dialogs.about = new TAboutForm(main_form.get());
    dialogs.molar_mass = new TMolarMassForm(main_form.get());
    dialogs.reaction = new TReactionForm(main_form.get());
    dialogs.solution = new TSolutionForm(main_form.get());
    main_form->SetDialogs(dialogs);

    splash->hide();
    splash.reset();

    main_form->show();
    return app.exec();
}

int RunGuarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (...) {
        ReportError(CurrentExceptionMessage());
    }
    return kFailureStatus;
}

}  // namespace brisalto
