// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/precision_form.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "command/calculator.h"
#include "command/result_format.h"
#include "engine/errors.h"
#include "engine/number_text.h"

namespace brisalto {
namespace {

constexpr char kCaption[] = "Precision";
constexpr char kSetPrecisionText[] = "Set precision";
constexpr char kExampleCaption[] = "Example";
constexpr char kDesignedExample[] = "0.123452525";
constexpr char kOkText[] = "OK";
constexpr char kCancelText[] = "Cancel";
constexpr int kClientWidth = 294;
constexpr int kClientHeight = 96;

// A whole number brought into 0..20; any other text reads as the minimum.
int PrecisionOfText(const QString& text) {
    try {
        return std::clamp(static_cast<int>(TextToInt(text.toStdString())), kMinPrecision,
                          kMaxPrecision);
    } catch (const ConvertError&) {
        return kMinPrecision;
    }
}

// 1.2345678910223654, given by its bits so that every decimal the pattern asks for is exact.
CalcValue ExampleValue() {
    constexpr std::uint64_t kSignificand = 0x9E06521650FE0000ull;
    constexpr std::uint16_t kSignAndExponent = 0x3FFF;
    unsigned char bytes[sizeof(CalcValue)] = {};
    std::memcpy(bytes, &kSignificand, sizeof kSignificand);
    std::memcpy(bytes + sizeof kSignificand, &kSignAndExponent, sizeof kSignAndExponent);
    CalcValue value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// Lets any text stand while it is typed and brings it into range when the field is left: a
// number outside 0..20 to the nearer end, any other text to "0".
class PrecisionSpinBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& input, int&) const override {
        try {
            const std::int32_t value = TextToInt(input.toStdString());
            if (value >= minimum() && value <= maximum()) return QValidator::Acceptable;
        } catch (const ConvertError&) {
        }
        return QValidator::Intermediate;
    }

    void fixup(QString& input) const override { input = QString::number(PrecisionOfText(input)); }

    int valueFromText(const QString& text) const override { return PrecisionOfText(text); }

    // The arrows step from what the field shows, not from the last accepted value.
    void stepBy(int steps) override {
        setValue(std::clamp(PrecisionOfText(text()) + steps, minimum(), maximum()));
        lineEdit()->setText(textFromValue(value()));
        selectAll();
    }

    StepEnabled stepEnabled() const override {
        const int value = PrecisionOfText(text());
        StepEnabled enabled = StepNone;
        if (value > minimum()) enabled |= StepDownEnabled;
        if (value < maximum()) enabled |= StepUpEnabled;
        return enabled;
    }
};

}  // namespace

TPrecisionForm::TPrecisionForm(Calculator& calculator, QWidget* parent)
    : QDialog(parent), calculator_(calculator) {
    setWindowTitle(kCaption);
    setFixedSize(kClientWidth, kClientHeight);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(6, 6, 282, 52);

    auto* set_label = new QLabel(kSetPrecisionText, frame);
    set_label->setGeometry(10, 4, 90, 18);

    PrecisionCSpinEdit = new PrecisionSpinBox(frame);
    PrecisionCSpinEdit->setObjectName("PrecisionCSpinEdit");
    PrecisionCSpinEdit->setGeometry(10, 23, 64, 24);
    PrecisionCSpinEdit->setRange(kMinPrecision, 14);
    PrecisionCSpinEdit->setSingleStep(1);
    set_label->setBuddy(PrecisionCSpinEdit);

    auto* example_caption = new QLabel(kExampleCaption, frame);
    example_caption->setGeometry(96, 4, 90, 18);

    ExampleLabel = new QLabel(kDesignedExample, frame);
    ExampleLabel->setObjectName("ExampleLabel");
    ExampleLabel->setGeometry(96, 23, 184, 24);
    QFont bold = ExampleLabel->font();
    bold.setBold(true);
    ExampleLabel->setFont(bold);

    OkButton = new QPushButton(kOkText, this);
    OkButton->setObjectName("OkButton");
    OkButton->setGeometry(132, 64, 75, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(kCancelText, this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(213, 64, 75, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Typed text reaches the editor's signal; the spin box writes its own text with the editor's
    // signals blocked, so its arrows and setValue are heard through its own signal.
    auto* editor = PrecisionCSpinEdit->findChild<QLineEdit*>();
    connect(editor, &QLineEdit::textChanged, this, [this] { PrecisionCSpinEditChange(); });
    connect(PrecisionCSpinEdit, &QSpinBox::textChanged, this,
            [this] { PrecisionCSpinEditChange(); });

    FormCreate();
}

void TPrecisionForm::FormCreate() {
    PrecisionCSpinEdit->setMaximum(kMaxPrecision);
    PrecisionCSpinEdit->setValue(calculator_.GetPrecision());
    PrecisionCSpinEditChange();
}

int TPrecisionForm::PrecisionValue() const { return PrecisionOfText(PrecisionCSpinEdit->text()); }

void TPrecisionForm::PrecisionCSpinEditChange() {
    const std::string text =
        calculator_.FormatNumber(FixedPatternFor(PrecisionValue()), ExampleValue());
    ExampleLabel->setText(QString::fromStdString(text));
}

bool TPrecisionForm::Run() {
    PrecisionCSpinEdit->setValue(calculator_.GetPrecision());
    PrecisionCSpinEdit->findChild<QLineEdit*>()->setText(
        QString::number(calculator_.GetPrecision()));
    PrecisionCSpinEditChange();
    PrecisionCSpinEdit->setFocus();
    PrecisionCSpinEdit->selectAll();
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted) return false;
    // Enter may close the dialog while a typed value has not yet been brought into range.
    calculator_.SetPrecision(PrecisionValue());
    return true;
}

void TPrecisionForm::keyPressEvent(QKeyEvent* event) {
    // Cancel is not this dialog's cancel button: Esc leaves it open.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisalto
