#include "app/startup.h"

#include <memory>

#include "app/about_form.h"
#include "app/bkgrd_form.h"
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/precision_form.h"
#include "app/results_window_ops.h"
#include "app/splash_form.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/mol_wt_form.h"

namespace brisalto {
namespace {

constexpr char kOrganizationName[] = "Brisalto";
constexpr char kDesktopFileName[] = "brisalto-calculator";
constexpr char kHelpFileProperty[] = "HelpFile";

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

int RunCalculator(QApplication& app) {
    auto splash = std::make_unique<TSplashForm>();
    splash->ShowAndPaint();
    SetUpApplication(app);

    // The main window first: the dialogs read what its settings restored.
    auto main_form = std::make_unique<TMainForm>();
    DialogForms dialogs;
    dialogs.bkgrd = new TBkgrdForm(main_form.get());
    dialogs.precision = new TPrecisionForm(main_form.get());
    dialogs.mol_wt = new TMolWtForm(main_form.get());
    dialogs.conv = new TConvForm(main_form.get());
    dialogs.about = new TAboutForm(main_form.get());
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
