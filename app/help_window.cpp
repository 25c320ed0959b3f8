// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/help_window.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>
#include <memory>

#include "app/results_window_ops.h"
#include "tools/gui/palette_colors.h"

// Q_INIT_RESOURCE names a global function, so it has to be called from outside any namespace.
static void InitManualResource() { Q_INIT_RESOURCE(manual); }

namespace brisalto {
namespace {

constexpr int kDefaultWidth = 900;
constexpr int kDefaultHeight = 640;
constexpr int kContentsWidth = 220;

QString Text(const char* text) { return QString::fromUtf8(text); }

// The manual's section headings, h2 and h3 with an id, in document order.
QList<QPair<QString, QString>> Headings(const QString& html) {
    static const QRegularExpression heading(QStringLiteral("<h([23]) id=\"([^\"]+)\">(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QList<QPair<QString, QString>> result;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString title = m.captured(3);
        title.remove(tags);
        title = QTextDocumentFragment::fromHtml(title).toPlainText().simplified();
        if (m.captured(1) == QLatin1String("3")) title.prepend(QStringLiteral("    "));
        result.append({m.captured(2), title});
    }
    return result;
}

// On a small screen the window gets at most 90 % of the free width and 80 % of the free height,
// leaving room for its frame, and starts in the middle, wholly visible.
void FitOnScreen(QWidget& window, const QScreen* screen) {
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    const QSize size(std::min(window.width(), free.width() * 9 / 10),
                     std::min(window.height(), free.height() * 8 / 10));
    window.resize(size);
    window.move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitManualResource();
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(tr("Brisalto Calculator Help"));
    resize(kDefaultWidth, kDefaultHeight);

    BackBtn = new QToolButton(this);
    BackBtn->setObjectName(QStringLiteral("BackBtn"));
    BackBtn->setText(tr("Back"));
    BackBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BackBtn->setIcon(QIcon::fromTheme(QStringLiteral("go-previous")));
    BackBtn->setShortcut(QKeySequence::Back);
    BackBtn->setEnabled(false);
    ForwardBtn = new QToolButton(this);
    ForwardBtn->setObjectName(QStringLiteral("ForwardBtn"));
    ForwardBtn->setText(tr("Forward"));
    ForwardBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ForwardBtn->setIcon(QIcon::fromTheme(QStringLiteral("go-next")));
    ForwardBtn->setShortcut(QKeySequence::Forward);
    ForwardBtn->setEnabled(false);
    auto* findBtn = new QToolButton(this);
    findBtn->setText(tr("Find"));
    findBtn->setIcon(QIcon::fromTheme(QStringLiteral("edit-find")));
    findBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* tools = new QHBoxLayout;
    tools->addWidget(BackBtn);
    tools->addWidget(ForwardBtn);
    tools->addWidget(findBtn);
    tools->addStretch();

    ContentsList = new QListWidget(this);
    ContentsList->setObjectName(QStringLiteral("ContentsList"));
    ContentsList->setAccessibleName(tr("Contents"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenExternalLinks(true);
    // Links are coloured when the page is read, from the application's palette; a dark theme's
    // link colour is made readable on the page's background first.
    Browser->document()->setDefaultStyleSheet(
        QStringLiteral("a { color: %1; }")
            .arg(ReadableOn(palette().color(QPalette::Base), palette().color(QPalette::Link))
                     .name()));
    auto* splitter = new QSplitter(this);
    splitter->addWidget(ContentsList);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kContentsWidth, kDefaultWidth - kContentsWidth});

    FindBar = new QWidget(this);
    FindEdit = new QLineEdit(FindBar);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setClearButtonEnabled(true);
    FindStatus = new QLabel(FindBar);
    auto* next = new QToolButton(FindBar);
    next->setText(tr("Next"));
    auto* previous = new QToolButton(FindBar);
    previous->setText(tr("Previous"));
    auto* closeBtn = new QToolButton(FindBar);
    closeBtn->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    closeBtn->setText(QStringLiteral("×"));
    closeBtn->setAccessibleName(tr("Close the find bar"));
    auto* findLayout = new QHBoxLayout(FindBar);
    findLayout->setContentsMargins(0, 0, 0, 0);
    auto* findLabel = new QLabel(tr("Find:"), FindBar);
    findLabel->setBuddy(FindEdit);
    findLayout->addWidget(findLabel);
    findLayout->addWidget(FindEdit, 1);
    findLayout->addWidget(previous);
    findLayout->addWidget(next);
    findLayout->addWidget(FindStatus);
    findLayout->addWidget(closeBtn);
    FindBar->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(splitter, 1);
    layout->addWidget(FindBar);

    auto* findAction = new QAction(this);
    findAction->setShortcuts(QKeySequence::Find);
    addAction(findAction);
    auto* nextAction = new QAction(this);
    nextAction->setShortcuts(QKeySequence::FindNext);
    addAction(nextAction);
    auto* previousAction = new QAction(this);
    previousAction->setShortcuts(QKeySequence::FindPrevious);
    addAction(previousAction);
    auto* escAction = new QAction(this);
    escAction->setShortcut(Qt::Key_Escape);
    addAction(escAction);

    connect(Browser, &QTextBrowser::backwardAvailable, BackBtn, &QWidget::setEnabled);
    connect(BackBtn, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardBtn, &QWidget::setEnabled);
    connect(ForwardBtn, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpForm::FollowSource);
    connect(findBtn, &QToolButton::clicked, this, &THelpForm::OpenFindBar);
    connect(findAction, &QAction::triggered, this, &THelpForm::OpenFindBar);
    connect(escAction, &QAction::triggered, this, [this] {
        if (FindBar->isVisible()) {
            CloseFindBar();
        } else {
            close();
        }
    });
    connect(closeBtn, &QToolButton::clicked, this, &THelpForm::CloseFindBar);
    auto findNext = [this] { Find(FindEdit->text()); };
    auto findPrevious = [this] { Find(FindEdit->text(), true); };
    connect(FindEdit, &QLineEdit::returnPressed, this, findNext);
    connect(next, &QToolButton::clicked, this, findNext);
    connect(nextAction, &QAction::triggered, this, findNext);
    connect(previous, &QToolButton::clicked, this, findPrevious);
    connect(previousAction, &QAction::triggered, this, findPrevious);
    // Typing searches as you go, from where the last match began.
    connect(FindEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        QTextCursor cursor = Browser->textCursor();
        cursor.setPosition(cursor.selectionStart());
        Browser->setTextCursor(cursor);
        Find(text);
    });
    connect(ContentsList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowSection(item->data(Qt::UserRole).toString()); });
    connect(ContentsList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowSection(item->data(Qt::UserRole).toString()); });

    Browser->setSource(QUrl(Text(kManualUrl)));
    FillContents();
    FollowSource(Browser->source());

    // Wide enough for the contents' entries and for the manual's widest unbreakable line (its
    // examples), so no horizontal scroll bar shows at the default size; FitOnScreen still caps
    // it on a small screen. A copy laid out at no width measures the widest line.
    const int scroll_bar = Browser->verticalScrollBar()->sizeHint().width();
    const int contents_width =
        std::max(kContentsWidth,
                 ContentsList->sizeHintForColumn(0) + 2 * ContentsList->frameWidth() + scroll_bar);
    const std::unique_ptr<QTextDocument> probe(Browser->document()->clone());
    probe->setTextWidth(1);
    const int text_width = qCeil(probe->size().width()) + 2 * Browser->frameWidth() + scroll_bar;
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int needed = contents_width + splitter->handleWidth() + text_width + margins;
    resize(std::max(width(), needed), height());
    splitter->setSizes(
        {contents_width, width() - margins - splitter->handleWidth() - contents_width});
}

void THelpForm::FollowSource(const QUrl& url) {
    const QString anchor = url.fragment();
    for (int row = 0; row < ContentsList->count(); ++row) {
        if (ContentsList->item(row)->data(Qt::UserRole).toString() == anchor) {
            ContentsList->setCurrentRow(row);
            return;
        }
    }
    // The manual's start, or a place with no entry: no entry is marked.
    ContentsList->setCurrentRow(-1);
    ContentsList->clearSelection();
}

void THelpForm::FillContents() {
    QFile file(QStringLiteral(":/manual/index.html"));
    if (!file.open(QIODevice::ReadOnly)) return;
    for (const auto& [anchor, title] : Headings(QString::fromUtf8(file.readAll()))) {
        auto* item = new QListWidgetItem(title, ContentsList);
        item->setData(Qt::UserRole, anchor);
    }
}

void THelpForm::ShowSection(const QString& anchor) {
    QUrl url(Text(kManualUrl));
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (Browser->source() != url) Browser->setSource(url);
    show();
    raise();
    activateWindow();
}

bool THelpForm::Find(const QString& text, bool backward) {
    if (text.isEmpty()) {
        FindStatus->clear();
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = Browser->find(text, flags);
    if (!found) {
        // Wrap round once.
        QTextCursor cursor = Browser->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        Browser->setTextCursor(cursor);
        found = Browser->find(text, flags);
    }
    FindStatus->setText(found ? QString() : tr("Not found"));
    return found;
}

void THelpForm::OpenFindBar() {
    FindBar->show();
    FindEdit->setFocus();
    FindEdit->selectAll();
}

void THelpForm::CloseFindBar() {
    FindBar->hide();
    Browser->setFocus();
}

THelpForm* ShowHelpWindow(QWidget* owner) {
    THelpForm* form =
        owner ? owner->findChild<THelpForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!form) {
        form = new THelpForm(owner);
        FitOnScreen(*form, owner ? owner->screen() : QGuiApplication::primaryScreen());
    }
    form->ShowSection();
    return form;
}

void ShowHelp(QWidget* owner) {
    if (QFileInfo::exists(HelpFileUrl().toLocalFile())) {
        OpenHelpFile();
    } else {
        ShowHelpWindow(owner);
    }
}

}  // namespace brisalto
