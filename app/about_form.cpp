// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/about_form.h"

#include <QBoxLayout>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

#include "app/assets_resource.h"
#include "tools/gui/palette_colors.h"

namespace brisalto {
namespace {

constexpr char kPictureResource[] = ":/about/picture.svg";
constexpr char kIconResource[] = ":/about/icon.svg";
// The logo's ink colour, drawn in the palette's text colour so it reads on any background.
constexpr char kLogoInk[] = "#2f3e56";
constexpr QSize kPictureSize(217, 49);
constexpr QSize kIconSize(69, 73);

QPixmap RenderSvg(const QByteArray& svg, QSize size, qreal pixel_ratio) {
    QPixmap pixmap(size * pixel_ratio);
    pixmap.setDevicePixelRatio(pixel_ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QLabel* PictureLabel(QWidget* parent, const char* resource, QSize size) {
    QByteArray svg;
    QFile file(QString::fromLatin1(resource));
    if (file.open(QIODevice::ReadOnly)) svg = file.readAll();
    svg.replace(kLogoInk, parent->palette().color(QPalette::WindowText).name().toLatin1());
    auto* label = new QLabel(parent);
    label->setPixmap(RenderSvg(svg, size, parent->devicePixelRatioF()));
    label->setFixedSize(size);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    InitAssets();
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    QLabel* picture = PictureLabel(frame, kPictureResource, kPictureSize);
    QLabel* icon = PictureLabel(frame, kIconResource, kIconSize);

    auto* product_label = new QLabel(QString::fromLatin1(kAboutProductText), frame);
    QFont product_font = font();
    product_font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Arial")});
    product_font.setPointSizeF(product_font.pointSizeF() * 1.75);
    product_font.setBold(true);
    product_label->setFont(product_font);

    VersionLabel_ = new QLabel(tr("Version: 1.0.0"), frame);
    QFont bold_font = font();
    bold_font.setBold(true);
    VersionLabel_->setFont(bold_font);

    const QString address = QString::fromLatin1(kMakerWebAddress);
    LinkLabel_ = new QLabel(frame);
    LinkLabel_->setTextFormat(Qt::RichText);
    // Rich text takes the application's link colour when it is read, so the label's own
    // palette would not reach it: the colour is written into the link.
    const QColor link =
        ReadableOn(palette().color(QPalette::Window), palette().color(QPalette::Link));
    LinkLabel_->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%1</a>")
                            .arg(address.toHtmlEscaped(), link.name()));
    LinkLabel_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    LinkLabel_->setOpenExternalLinks(true);
    LinkLabel_->setToolTip(address);
    LinkLabel_->setAccessibleName(tr("Web site"));

    EmailEdit_ = new QLineEdit(QString::fromLatin1(kMakerEmailAddress), frame);
    EmailEdit_->setReadOnly(true);
    EmailEdit_->setFrame(false);
    EmailEdit_->setAccessibleName(tr("E-mail address"));
    QPalette email_palette = EmailEdit_->palette();
    email_palette.setColor(QPalette::Base, palette().color(QPalette::Window));
    EmailEdit_->setPalette(email_palette);
    EmailEdit_->setMinimumWidth(
        EmailEdit_->fontMetrics().horizontalAdvance(EmailEdit_->text() + QStringLiteral("MM")));

    auto* grid = new QGridLayout(frame);
    grid->addWidget(picture, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(product_label, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(icon, 1, 0, Qt::AlignHCenter | Qt::AlignTop);
    auto* details = new QVBoxLayout;
    details->addWidget(VersionLabel_);
    details->addWidget(LinkLabel_);
    details->addWidget(EmailEdit_);
    details->addStretch(1);
    grid->addLayout(details, 1, 1);
    grid->setColumnStretch(1, 1);

    OKBtn_ = new QPushButton(tr("OK"), this);
    OKBtn_->setDefault(true);
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(OKBtn_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutForm::showEvent(QShowEvent* event) {
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect centred = frameGeometry();
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
    QDialog::showEvent(event);
    OKBtn_->setFocus();
}

}  // namespace brisalto
