#include "ui/HelpWindow.h"

#include <QDesktopServices>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QCoreApplication>
#include <QHelpContentItem>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocument>
#include <QTranslator>
#include <QVBoxLayout>
#include <functional>

#include "ui/HelpContext.h"
#include "ui/HelpSearchPane.h"
#include "ui/QtTranslations.h"
#include "ui/UiText.h"

namespace {

constexpr unsigned kHelpTitleText = 65043;
constexpr unsigned kContentsTabText = 65044;
constexpr unsigned kIndexTabText = 65045;
constexpr unsigned kSearchTabText = 65046;

// The manual's namespace and folder in the help project (help/zorva.qhp).
constexpr char kStartPage[] = "qthelp://org.example.zorva/doc/index.html";

// Qt's own texts of the search and index views in Japanese, like the rest of
// the program, when Qt's catalogue is installed; once for the whole run.
void InstallHelpTranslation() {
  static bool tried = false;
  if (tried) return;
  tried = true;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!InstallUiQtTranslations(*translator, "qt_help") || translator->isEmpty()) delete translator;
}

}  // namespace

CHelpBrowser::CHelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
  // Links are followed here: a page of the manual in this browser, anything
  // else (the project's web site, mail) by the desktop.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &CHelpBrowser::OnAnchor);
}

QVariant CHelpBrowser::loadResource(int type, const QUrl& name) {
  // The document hands over its pages' references (style sheet, pictures)
  // resolved against the page.
  if (name.scheme() == QLatin1String("qthelp")) return m_engine.fileData(name);
  return QTextBrowser::loadResource(type, name);
}

void CHelpBrowser::OnAnchor(const QUrl& link) {
  const QUrl target = source().resolved(link);
  if (target.scheme() == QLatin1String("qthelp")) setSource(target);
  else QDesktopServices::openUrl(target);
}

CHelpWindow::CHelpWindow(const QString& collectionFile, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  InstallHelpTranslation();
  setWindowTitle(UiText(kHelpTitleText));
  resize(860, 620);

  m_engine = new QHelpEngine(collectionFile, this);
  m_engine->setUsesFilterEngine(true);
  // The collection is only read; the search index lives beside it.
  m_engine->setReadOnly(true);
  m_engine->setupData();

  m_tabs = new QTabWidget;
  QHelpContentWidget* contents = m_engine->contentWidget();
  m_tabs->addTab(contents, UiText(kContentsTabText));

  auto* indexPage = new QWidget;
  m_indexFilter = new QLineEdit(indexPage);
  m_indexFilter->setClearButtonEnabled(true);
  QHelpIndexWidget* index = m_engine->indexWidget();
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(0, 0, 0, 0);
  indexLayout->addWidget(m_indexFilter);
  indexLayout->addWidget(index, 1);
  m_tabs->addTab(indexPage, UiText(kIndexTabText));

  m_search = new CHelpSearchPane([this] { return ManualPages(); });
  m_tabs->addTab(m_search, UiText(kSearchTabText));

  m_browser = new CHelpBrowser(*m_engine, this);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(m_tabs);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 600});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  connect(contents, &QHelpContentWidget::linkActivated, this, &CHelpWindow::ShowTopic);
  connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
    contents->expandToDepth(0);
    FollowInContents(m_browser->source());
  });
  connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpWindow::FollowInContents);
  connect(m_indexFilter, &QLineEdit::textChanged, index,
          [index](const QString& text) { index->filterIndices(text); });
  connect(m_indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& link, const QString&) { OpenIndexLinks({link}); });
  connect(index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& links, const QString&) { OpenIndexLinks(links); });
  connect(m_search, &CHelpSearchPane::PageChosen, this, &CHelpWindow::ShowFound);
  connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == kSearchTab) m_search->Input()->setFocus();
    if (tab == kIndexTab) m_indexFilter->setFocus();
  });
}

CHelpWindow::~CHelpWindow() {
  // The views go before the engine that owns their models.
  delete m_tabs;
  m_tabs = nullptr;
}

bool CHelpWindow::HasManual() const { return !m_engine->fileData(StartPage()).isEmpty(); }

QUrl CHelpWindow::TopicOf(unsigned contextId) const {
  const QList<QHelpLink> links = m_engine->documentsForIdentifier(HelpKeyword(contextId));
  return links.isEmpty() ? QUrl() : links.first().url;
}

QUrl CHelpWindow::StartPage() const { return QUrl(QString::fromLatin1(kStartPage)); }

void CHelpWindow::ShowContents() {
  ShowTab(kContentsTab);
  if (m_browser->source().isEmpty()) m_browser->setSource(StartPage());
}

void CHelpWindow::ShowTopic(const QUrl& page) {
  m_browser->setSource(page);
  ShowTab(Tab(m_tabs->currentIndex()));
}

void CHelpWindow::ShowFound(const QUrl& page, const QString& query) {
  ShowTopic(page);
  // The first place the text occurs is selected and scrolled to, when the
  // browser's own search finds it as typed.
  const QString first = query.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
  m_browser->moveCursor(QTextCursor::Start);
  if (!first.isEmpty()) m_browser->find(first);
}

QList<HelpPage> CHelpWindow::ManualPages() const {
  // The contents' order first, so that equal hits come in the manual's order.
  QList<QUrl> urls;
  QHelpContentModel* model = m_engine->contentModel();
  const std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
      const QModelIndex at = model->index(row, 0, parent);
      if (QHelpContentItem* item = model->contentItemAt(at)) {
        QUrl url = item->url();
        url.setFragment(QString());
        if (!urls.contains(url)) urls.append(url);
      }
      walk(at);
    }
  };
  walk(QModelIndex());
  for (const QString& ns : m_engine->registeredDocumentations())
    for (const QUrl& url : m_engine->files(ns, QString(), QStringLiteral("html")))
      if (!urls.contains(url)) urls.append(url);

  QList<HelpPage> pages;
  for (const QUrl& url : urls) {
    const QByteArray data = m_engine->fileData(url);
    if (data.isEmpty()) continue;
    // The line of links back to the contents is not the page's text.
    static const QRegularExpression nav(QStringLiteral("<p class=\"nav\">.*?</p>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(data).remove(nav));
    pages.append({url, document.metaInformation(QTextDocument::DocumentTitle), document.toPlainText()});
  }
  return pages;
}

void CHelpWindow::ShowTab(Tab tab) {
  m_tabs->setCurrentIndex(tab);
  showNormal();
  raise();
  activateWindow();
}

void CHelpWindow::OpenIndexLinks(const QList<QHelpLink>& links) {
  if (!links.isEmpty()) m_browser->setSource(links.first().url);
}

void CHelpWindow::FollowInContents(const QUrl& page) {
  QHelpContentWidget* contents = m_engine->contentWidget();
  QUrl withoutAnchor = page;
  withoutAnchor.setFragment(QString());
  const QModelIndex at = contents->indexOf(withoutAnchor);
  if (!at.isValid()) return;
  contents->setCurrentIndex(at);
  contents->scrollTo(at);
}
