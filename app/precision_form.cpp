// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/precision_form.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
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

constexpr char kDesignedExample[] = "0.123452525";

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
    setWindowTitle(tr("Precision"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);

    auto* set_label = new QLabel(tr("Set precision"), frame);
    PrecisionCSpinEdit = new PrecisionSpinBox(frame);
    PrecisionCSpinEdit->setObjectName("PrecisionCSpinEdit");
    PrecisionCSpinEdit->setRange(kMinPrecision, 14);
    PrecisionCSpinEdit->setSingleStep(1);
    set_label->setBuddy(PrecisionCSpinEdit);

    auto* example_caption = new QLabel(tr("Example"), frame);
    ExampleLabel = new QLabel(QString::fromLatin1(kDesignedExample), frame);
    ExampleLabel->setObjectName("ExampleLabel");
    QFont bold = ExampleLabel->font();
    bold.setBold(true);
    ExampleLabel->setFont(bold);
    // Wide enough for the example at the largest precision, so the dialog never jumps.
    const QString widest = QString::fromStdString(
        calculator_.FormatNumber(FixedPatternFor(kMaxPrecision), ExampleValue()));
    ExampleLabel->setMinimumWidth(ExampleLabel->fontMetrics().horizontalAdvance(widest));

    auto* grid = new QGridLayout(frame);
    grid->addWidget(set_label, 0, 0);
    grid->addWidget(PrecisionCSpinEdit, 1, 0);
    grid->addWidget(example_caption, 0, 1);
    grid->addWidget(ExampleLabel, 1, 1);
    grid->setColumnStretch(1, 1);

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName("OkButton");
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

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
    adjustSize();
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
