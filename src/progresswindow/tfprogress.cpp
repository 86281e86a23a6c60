#include "tfprogress.h"

#include "masterylook.h"
#include "operation.h"
#include "pdfexport.h"
#include "pagerenderer.h"
#include "progressreports.h"
#include "progresstexts.h"
#include "reportengine.h"
#include "sheetcontent.h"
#include "userinterface.h"
#include "weakfacts.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTotalsColumn = kTables;
constexpr const char16_t *kPeriodKeys[] = {u"vPeriodToday", u"vPeriodWeek", u"vPeriodMonth", u"vPeriodAll"};

QString factText(FactOperation op, int table, int multiplier, const QString &divisionSign)
{
    if (op == FactOperation::Multiply)
        return QStringLiteral("%1 x %2").arg(multiplier).arg(table);
    return QStringLiteral("%1 %2 %3").arg(table * multiplier).arg(divisionSign).arg(table);
}

QTableWidget *makeGrid(const char *name)
{
    auto *grid = new QTableWidget(kTables, kTables + 1);
    grid->setObjectName(QLatin1String(name));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(34);
    grid->horizontalHeader()->setSectionResizeMode(kTotalsColumn, QHeaderView::ResizeToContents);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < kTables; ++i) {
        grid->setHorizontalHeaderItem(i, new QTableWidgetItem(QString::number(i + 1)));
        grid->setVerticalHeaderItem(i, new QTableWidgetItem(QString::number(i + 1)));
        for (int c = 0; c <= kTables; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(i, c, item);
        }
    }
    grid->setHorizontalHeaderItem(kTotalsColumn, new QTableWidgetItem);
    grid->setMinimumSize(34 * kTables + 110, 22 * kTables + 30);
    return grid;
}

} // namespace

TFProgress::TFProgress(ProgramState &state, HistoryStore &store, QString homePage, QWidget *parent)
    : QDialog(parent), m_state(state), m_store(store), m_homePage(std::move(homePage)),
      m_texts(Captions::designTime(ProgressTexts::section))
{
    setObjectName(QStringLiteral("TFProgress"));
    m_edges.confirm = [](QWidget *parent, const QString &question) {
        return QMessageBox::question(parent, QStringLiteral("Quorvel"), question) == QMessageBox::Yes;
    };
    m_edges.choosePdfPath = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, QString(), QString(), QStringLiteral("PDF (*.pdf)"));
    };
    buildControls();
    applyCaptions();
}

TFProgress::~TFProgress() = default;

void TFProgress::setEdges(Edges edges)
{
    m_edges = std::move(edges);
}

void TFProgress::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TFProgress::buildControls()
{
    m_periodLabel = new QLabel;
    m_periodLabel->setObjectName(QStringLiteral("PeriodLbl"));
    m_periodBox = new QComboBox;
    m_periodBox->setObjectName(QStringLiteral("PeriodBox"));
    for (int i = 0; i < 4; ++i)
        m_periodBox->addItem(QString());
    m_periodBox->setCurrentIndex(int(Period::All));
    m_periodLabel->setBuddy(m_periodBox);

    auto *top = new QHBoxLayout;
    top->addWidget(m_periodLabel);
    top->addWidget(m_periodBox);
    top->addStretch();

    auto *grids = new QHBoxLayout;
    const char *names[2][2] = {{"MultiplyLbl", "MultiplyGrid"}, {"DivideLbl", "DivideGrid"}};
    for (int op = 0; op < 2; ++op) {
        auto *column = new QVBoxLayout;
        m_gridTitles[op] = new QLabel;
        m_gridTitles[op]->setObjectName(QLatin1String(names[op][0]));
        m_grids[op] = makeGrid(names[op][1]);
        column->addWidget(m_gridTitles[op]);
        column->addWidget(m_grids[op]);
        grids->addLayout(column);
    }

    m_noHistory = new QLabel;
    m_noHistory->setObjectName(QStringLiteral("NoHistoryLbl"));
    m_noHistory->setWordWrap(true);
    m_legend = new QLabel;
    m_legend->setObjectName(QStringLiteral("LegendLbl"));
    m_legend->setTextFormat(Qt::RichText);

    const auto button = [this](const char *name) {
        auto *b = new QPushButton;
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_printButton = button("PrintBtn");
    m_pdfButton = button("PdfBtn");
    m_weakSheetButton = button("WeakSheetBtn");
    m_forgetButton = button("ForgetBtn");
    m_closeButton = button("CloseBtn");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_printButton, m_pdfButton, m_weakSheetButton, m_forgetButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_noHistory);
    layout->addLayout(grids);
    layout->addWidget(m_legend);
    layout->addLayout(buttons);

    connect(m_periodBox, &QComboBox::currentIndexChanged, this, [this] { step([this] { refresh(); }); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { step([this] { printMap(); }); });
    connect(m_pdfButton, &QPushButton::clicked, this, [this] { step([this] { saveMapPdf(); }); });
    connect(m_weakSheetButton, &QPushButton::clicked, this, [this] { step([this] { printWeakSheet(); }); });
    connect(m_forgetButton, &QPushButton::clicked, this, [this] { step([this] { forget(); }); });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TFProgress::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), ProgressTexts::section);
    applyCaptions();
}

void TFProgress::applyCaptions()
{
    setWindowTitle(m_texts.text(u"vProgressCaption"));
    m_periodLabel->setText(m_texts.text(u"vPeriodLbl"));
    for (int i = 0; i < 4; ++i)
        m_periodBox->setItemText(i, m_texts.text(kPeriodKeys[i]));
    m_periodBox->setAccessibleName(m_texts.text(u"vPeriodLbl"));
    const char16_t *titles[] = {u"vMultiplyGrid", u"vDivideGrid"};
    for (int op = 0; op < 2; ++op) {
        m_gridTitles[op]->setText(QStringLiteral("<b>%1</b>").arg(m_texts.text(titles[op]).toHtmlEscaped()));
        m_grids[op]->setAccessibleName(m_texts.text(titles[op]));
        m_grids[op]->horizontalHeaderItem(kTotalsColumn)->setText(m_texts.text(u"vTotalLbl"));
    }
    m_noHistory->setText(m_texts.text(u"vNoHistory"));
    QStringList legend;
    for (Mastery m : {Mastery::Mastered, Mastery::Learning, Mastery::NeedsWork, Mastery::NotSeen})
        legend << QStringLiteral("<span style=\"background-color:%1\">&nbsp;%2&nbsp;</span> %3")
                      .arg(MasteryLook::colour(m).name(), MasteryLook::symbol(m).toHtmlEscaped(),
                           m_texts.text(MasteryLook::nameKey(m)).toHtmlEscaped());
    m_legend->setText(legend.join(QStringLiteral(" &nbsp; ")));
    m_printButton->setText(m_texts.text(u"vPrintBtn"));
    m_pdfButton->setText(m_texts.text(u"vPdfBtn"));
    m_weakSheetButton->setText(m_texts.text(u"vWeakSheetBtn"));
    m_forgetButton->setText(m_texts.text(u"vForgetBtn"));
    m_closeButton->setText(m_texts.text(u"vCloseBtn"));
}

int TFProgress::showModal()
{
    refresh();
    return exec();
}

void TFProgress::refresh()
{
    const Period period = Period(m_periodBox->currentIndex());
    m_map = ProgressMap::build(m_store.records(periodStart(period, m_edges.now())));
    fillGrid(m_grids[0], FactOperation::Multiply);
    fillGrid(m_grids[1], FactOperation::Divide);
    m_noHistory->setVisible(m_map.answers == 0);
}

void TFProgress::fillGrid(QTableWidget *grid, FactOperation op)
{
    const QString sign = Operation::DivisionSign(m_state.settings.Language);
    for (int t = 1; t <= kTables; ++t) {
        for (int m = 1; m <= kTables; ++m) {
            const FactCell &cell = m_map.cell(op, t, m);
            QTableWidgetItem *item = grid->item(t - 1, m - 1);
            const QString fact = factText(op, t, m, sign);
            const QString level = m_texts.text(MasteryLook::nameKey(cell.mastery));
            QString hint = fact + QStringLiteral(": ") + level;
            if (cell.answers > 0)
                hint = m_texts.text(u"vCellHint")
                           .arg(fact)
                           .arg(cell.answers)
                           .arg(cell.right)
                           .arg(QLocale().toString(cell.medianMs / 1000.0, 'f', 1));
            item->setText(MasteryLook::symbol(cell.mastery));
            item->setBackground(MasteryLook::colour(cell.mastery));
            item->setForeground(Qt::black);
            item->setToolTip(hint);
            item->setData(Qt::AccessibleTextRole, fact + QStringLiteral(", ") + level);
            item->setData(Qt::AccessibleDescriptionRole, hint);
        }
        const TableTotals &totals = m_map.tables[int(op)][t - 1];
        QTableWidgetItem *total = grid->item(t - 1, kTotalsColumn);
        total->setText(QStringLiteral("%1 / %2").arg(totals.right).arg(totals.answers));
        total->setData(Qt::AccessibleTextRole,
                       m_texts.text(u"vTableLbl") + QStringLiteral(" %1: ").arg(t) + total->text());
    }
}

QString TFProgress::periodName() const
{
    return m_periodBox->currentText();
}

QString TFProgress::dateLabel() const
{
    return LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::PrintDlg).text(u"vQRDateString");
}

ReportOutput &TFProgress::output()
{
    if (m_edges.output)
        return *m_edges.output;
    if (!m_engine)
        m_engine = std::make_unique<ReportEngine>(this);
    return *m_engine;
}

void TFProgress::printMap()
{
    output().previewNonBlocking(ProgressReports::map(m_map, m_texts, periodName(), dateLabel()));
}

void TFProgress::saveMapPdf()
{
    QString path = m_edges.choosePdfPath(this);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1StringView(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    PdfExport::write(ProgressReports::map(m_map, m_texts, periodName(), dateLabel()), path, PageRenderer::todayText());
}

void TFProgress::printWeakSheet()
{
    const QVector<WeakExercise> exercises = WeakFacts::draw(m_map, m_state.random);
    if (exercises.isEmpty()) {
        UserInterface::showMessage(this, m_texts.text(u"vNoWeakFacts"));
        return;
    }
    const QString sign = SheetContent::divisionSign(m_state.settings.Language);
    const QString date = dateLabel();
    // One document: the sheet, then its answer key on the second page.
    output().previewPages({ProgressReports::weakSheet(exercises, m_texts, sign, date, m_homePage, false),
                           ProgressReports::weakSheet(exercises, m_texts, sign, date, m_homePage, true)});
}

void TFProgress::forget()
{
    if (!m_edges.confirm(this, m_texts.text(u"vForgetQuestion")))
        return;
    if (!m_store.clear() && m_store.isOpen())
        UserInterface::showError(this, m_store.lastError());
    refresh();
}
