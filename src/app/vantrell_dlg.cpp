// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vantrell_dlg.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "app/main_menu.h"
#include "app/report_painter.h"
#include "commands/calculate_commands.h"
#include "commands/command_guard.h"
#include "commands/excel_commands.h"
#include "commands/export_commands.h"
#include "commands/file_commands.h"
#include "commands/interop_commands.h"
#include "commands/latex_commands.h"
#include "commands/main_commands.h"
#include "commands/objective_editing.h"
#include "commands/pdf_commands.h"
#include "dialogs/about_dialog.h"
#include "dialogs/constraints_dialog.h"
#include "dialogs/excel_dialog.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/help_dialog.h"
#include "dialogs/objective_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/program_folder.h"
#include "dialogs/program_icon.h"
#include "dialogs/sensitivity_dialog.h"
#include "dialogs/ui_fonts.h"
#include "model/equation_text.h"
#include "plot/simplex_path.h"
#include "simplex/dual_builder.h"
#include "simplex/solution_lines.h"
#include "teach/duality.h"
#include "teach/exact_page_text.h"
#include "teach/run_review.h"
#include "teach/run_story.h"
#include "teach/what_if_text.h"

namespace vantrell {
namespace {

QLineEdit* ReadOnlyEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    return edit;
}

QListWidget* GeneratedLinesList(const char* name, const char* accessibleName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(QString::fromUtf8(accessibleName));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

void FillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines) {
        list->addItem(QString::fromStdString(line));
    }
}

// Cut, copy, paste, select all and undo belong to a text field the user can type into;
// Ctrl+X there cuts text rather than offering to delete a constraint.
bool IsFieldEditingKey(const QWidget* widget, const QKeyEvent* key) {
    const auto* field = qobject_cast<const QLineEdit*>(widget);
    if (field == nullptr || field->isReadOnly()) {
        return false;
    }
    for (const auto standard : {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                QKeySequence::SelectAll, QKeySequence::Undo}) {
        if (key->matches(standard)) {
            return true;
        }
    }
    return false;
}

}  // namespace

CVantrellDlg::CVantrellDlg(Prompt& prompt, PagePresenter& presenter, QWidget* parent)
    : QDialog(parent),
      mPrompt(prompt),
      mPresenter(presenter),
      mRunModal([](QDialog& dialog) { return dialog.exec(); }) {
    setWindowTitle(QStringLiteral("Vantrell"));
    setObjectName("vantrellDialog");
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(FixedDialogFont());
    BuildLayout();

    mState.mDecimalPlaces = 3;
    mState.mDisplayDuality = true;
    mState.mWorkDir = QDir::currentPath().toStdString();
    MarkSaved();
    setAcceptDrops(true);

    // The Ctrl+letter keys act wherever the focus is inside this window.
    qApp->installEventFilter(this);
}

CVantrellDlg::~CVantrellDlg() {
    qApp->removeEventFilter(this);
}

void CVantrellDlg::BuildLayout() {
    mProblemNameEdit = new QLineEdit(this);
    mProblemNameEdit->setObjectName("problemNameEdit");
    mProblemNameEdit->setAccessibleName(QStringLiteral("Problem Name"));
    // What is typed here is the problem's name, as Save Text and the report use it.
    connect(mProblemNameEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        mState.mProblemName = text.toStdString();
        ShowTitle();
    });
    mFileNameEdit = new QLineEdit(this);
    mFileNameEdit->setObjectName("fileNameEdit");
    mFileNameEdit->setAccessibleName(QStringLiteral("Filename"));

    mPrimalObjective = ReadOnlyEdit("primalObjective", this);
    mPrimalObjective->setAccessibleName(QStringLiteral("Primal objective"));
    mPrimalList = GeneratedLinesList("primalList", "Primal Constraints", this);
    mPrimalList->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(mPrimalList, &QListWidget::itemDoubleClicked, this,
            [this] { RunCommand(MainCommand::Constraints); });
    // Which way each objective is solved, beside it.
    mPrimalSense = new QLabel(QString::fromUtf8(SenseText(false)), this);
    mPrimalSense->setObjectName("primalSense");
    mDualSense = new QLabel(QString::fromUtf8(SenseText(false)), this);
    mDualSense->setObjectName("dualSense");
    mDualObjective = ReadOnlyEdit("dualObjective", this);
    mDualStated = new QLabel(this);
    mDualStated->setObjectName("dualStated");
    mDualStated->setAccessibleName(QStringLiteral("Dual objective as stated"));
    mDualStated->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mDualObjective->setAccessibleName(QStringLiteral("Dual objective"));
    mDualList = GeneratedLinesList("dualList", "Dual Constraints", this);
    mDualList->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(mDualList, &QListWidget::itemDoubleClicked, this,
            &CVantrellDlg::OnDualListDoubleClicked);
    mSolutionList = GeneratedLinesList("solutionList", "Complete Solution", this);
    mSolutionList->setSelectionMode(QAbstractItemView::NoSelection);
    mNField = ReadOnlyEdit("nField", this);
    mMField = ReadOnlyEdit("mField", this);
    mNMinusMField = ReadOnlyEdit("nMinusMField", this);
    for (QLineEdit* field : {mNField, mMField, mNMinusMField}) {
        field->setMaximumWidth(70);
    }

    auto* names = new QGridLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Problem &Name"), this);
    nameLabel->setBuddy(mProblemNameEdit);
    auto* fileLabel = new QLabel(QStringLiteral("Fi&lename"), this);
    fileLabel->setBuddy(mFileNameEdit);
    names->addWidget(nameLabel, 0, 0);
    names->addWidget(mProblemNameEdit, 0, 1);
    names->addWidget(fileLabel, 1, 0);
    names->addWidget(mFileNameEdit, 1, 1);

    auto* primalGroup = new QGroupBox(QStringLiteral("Primal Constraints"), this);
    auto* primalLayout = new QGridLayout(primalGroup);
    primalLayout->addWidget(new QLabel(QStringLiteral("Z ="), primalGroup), 0, 0);
    primalLayout->addWidget(mPrimalObjective, 0, 1);
    primalLayout->addWidget(mPrimalSense, 0, 2);
    primalLayout->addWidget(new QLabel(QStringLiteral("Subject to:"), primalGroup), 1, 0, 1, 3);
    primalLayout->addWidget(mPrimalList, 2, 0, 1, 3);
    primalLayout->addWidget(
        new QLabel(QStringLiteral("All Variables are considered >= 0"), primalGroup), 3, 0, 1, 3);

    auto* dualGroup = new QGroupBox(QStringLiteral("Daul Constraints"), this);
    auto* dualLayout = new QGridLayout(dualGroup);
    dualLayout->addWidget(new QLabel(QStringLiteral("Z ="), dualGroup), 0, 0);
    dualLayout->addWidget(mDualObjective, 0, 1);
    dualLayout->addWidget(mDualSense, 0, 2);
    dualLayout->addWidget(mDualList, 1, 0, 1, 3);
    dualLayout->addWidget(mDualStated, 2, 0, 1, 3);

    auto* solutionLabel = new QLabel(QStringLiteral("Complete Solution"), this);
    solutionLabel->setBuddy(mSolutionList);
    auto* equations = new QGroupBox(QStringLiteral("Equations"), this);
    auto* equationLayout = new QGridLayout(equations);
    const std::pair<const char*, const char*> fieldLabels[] = {
        {"n", "variables"}, {"m", "constraint"}, {"n-m", "non-basic"}};
    QLineEdit* const countFields[] = {mNField, mMField, mNMinusMField};
    for (int row = 0; row < 3; ++row) {
        equationLayout->addWidget(new QLabel(QString::fromUtf8(fieldLabels[row].first), equations),
                                  row, 0, Qt::AlignRight);
        equationLayout->addWidget(countFields[row], row, 1);
        equationLayout->addWidget(new QLabel(QString::fromUtf8(fieldLabels[row].second), equations),
                                  row, 2);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(names);
    left->addWidget(primalGroup, 3);
    left->addWidget(dualGroup, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(solutionLabel);
    right->addWidget(mSolutionList, 1);
    right->addWidget(equations);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(BuildMainMenu(
        this, [this](MainCommand command) { RunCommand(command); }, mActions));
    layout->addLayout(columns);
    // A fixed window, as large as its lists need to show a typical problem whole.
    mPrimalList->setMinimumSize(520, 180);
    mDualList->setMinimumSize(520, 120);
    mSolutionList->setMinimumSize(360, 380);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// ---- views ----

void CVantrellDlg::ShowPrimalObjective() {
    mPrimalSense->setText(QString::fromUtf8(SenseText(mState.mMinimize)));
    mPrimalObjective->setText(
        QString::fromStdString(PrimalObjectiveText(mState.mPrimal, ShownNumberText(mState))));
}

void CVantrellDlg::ShowPrimalConstraints() {
    FillList(mPrimalList, PrimalConstraintLines(mState.mPrimal, ShownNumberText(mState)));
    mPrimalList->setCurrentRow(-1);
}

void CVantrellDlg::ShowDualObjective() {
    mDualSense->setVisible(mState.mDisplayDuality);
    const bool stated = mState.mDisplayDuality && !mState.mDual.objective.empty();
    mDualStated->setText(
        stated ? QStringLiteral("As stated: ") +
                     QString::fromStdString(DualObjectiveLine(mState, NoteNumbersOf(mState)))
               : QString());
    mDualStated->setVisible(stated);
    mDualObjective->setText(QString::fromStdString(
        DualObjectiveText(mState.mDual, ShownNumberText(mState), mState.mDisplayDuality)));
}

void CVantrellDlg::ShowDualConstraints() {
    mDualList->clear();
    mDualSense->setVisible(mState.mDisplayDuality);
    if (!mState.mDisplayDuality) {
        mDualStated->hide();
        return;
    }
    ShowDualObjective();
    FillList(mDualList, DualConstraintLines(mState.mDual, ShownNumberText(mState), true));
}

void CVantrellDlg::RebuildDual() {
    vantrell::RebuildDual(mState.mPrimal, mState.mMinimize, mState.mDual);
}

int CVantrellDlg::SelectedConstraint() const {
    const QList<QListWidgetItem*> selected = mPrimalList->selectedItems();
    return selected.isEmpty() ? -1 : mPrimalList->row(selected.constFirst());
}

void CVantrellDlg::ShowSolutionList() {
    FillList(mSolutionList, mState.mSolutionLines);
}

void CVantrellDlg::ShowSizeFields() {
    mNField->setText(QString::fromStdString(mState.mSizeFields.n));
    mMField->setText(QString::fromStdString(mState.mSizeFields.m));
    mNMinusMField->setText(QString::fromStdString(mState.mSizeFields.nMinusM));
}

void CVantrellDlg::ShowFileFields() {
    mProblemNameEdit->setText(QString::fromStdString(mState.mProblemName));
    mFileNameEdit->setText(QString::fromStdString(mState.mFileName));
}

// ---- keys and closing ----

bool CVantrellDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this || !isEnabled()) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if (!modifiers.testFlag(Qt::ControlModifier) ||
        (modifiers & ~(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) != 0 ||
        IsFieldEditingKey(widget, key)) {
        return QDialog::eventFilter(watched, event);
    }
    const auto command = CommandForControlKey(key->key(), modifiers.testFlag(Qt::AltModifier),
                                              modifiers.testFlag(Qt::ShiftModifier));
    if (!command) {
        return QDialog::eventFilter(watched, event);
    }
    // Consumed: passed on, Ctrl+X would also cut text from the name field.
    RunCommand(*command);
    return true;
}

void CVantrellDlg::keyPressEvent(QKeyEvent* event) {
    // Enter must not end the program and lose the problem just typed.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

namespace {

// The one local file a drag carries, or an empty text.
QString DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().constFirst().isLocalFile()) {
        return {};
    }
    return data->urls().constFirst().toLocalFile();
}

}  // namespace

void CVantrellDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CVantrellDlg::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    OpenFile(path.toStdString());
}

void CVantrellDlg::reject() {
    OnExit();
}

// ---- commands ----

void CVantrellDlg::RunCommand(MainCommand command) {
    const SolvedProblem before{true, mState.mMinimize, mState.mPrimal};
    // Running out of memory inside a command is a message, not the end of the user's work.
    RunGuarded(mPrompt, [this, command] { RunCommandOnly(command); });
    AfterCommand(command, before);
}

void CVantrellDlg::AfterCommand(MainCommand command, const SolvedProblem& before) {
    // Open and New show their own fields and set the saved mark themselves.
    const bool replaces = command == MainCommand::Open || command == MainCommand::New ||
                          command == MainCommand::NewExercise || command == MainCommand::Import;
    if (!replaces && !SolvedThisProblem(before, mState.mPrimal, mState.mMinimize)) {
        // The old problem's solution and counts are no answer to this one.
        mState.mSolutionLines.clear();
        mState.mSizeFields = SizeFields();
        ShowSolutionList();
        ShowSizeFields();
    }
    ShowTitle();
    if (mAfterCommand) {
        mAfterCommand();
    }
    // An edit leaves the kept runs stale, an option shows them otherwise: the Review
    // window shows what is current, or nothing.
    if (mReviewDlg && mReviewDlg->isVisible() && command != MainCommand::ReviewTableaus) {
        mReviewDlg->Reload();
    }
    // The plot shows the problem as it is: redrawn after a change, closed when the problem
    // can no longer be plotted. Its path belongs to a run of the old problem.
    const bool changed = !SolvedThisProblem(before, mState.mPrimal, mState.mMinimize);
    if (mGraphDlg && mGraphDlg->isVisible() && (changed || command == MainCommand::Options)) {
        if (PlotRefusal(mState)) {
            mGraphDlg->hide();
        } else {
            if (changed) {
                mGraphDlg->SetPath(std::nullopt);
            }
            mGraphDlg->Redraw();
        }
    }
    // A modal run or dialog may leave the focus with a window that is gone; the Ctrl keys
    // must reach this one again. The plot is a window of its own and keeps it.
    if (command != MainCommand::Plot2D && command != MainCommand::Exit &&
        command != MainCommand::ReviewTableaus && isVisible()) {
        activateWindow();
    }
}

void CVantrellDlg::MarkSaved() {
    mSaved = SolvedProblem{true, mState.mMinimize, mState.mPrimal};
    mSavedName = mState.mProblemName;
    ShowTitle();
}

bool CVantrellDlg::HasUnsavedChanges() const {
    return !SolvedThisProblem(mSaved, mState.mPrimal, mState.mMinimize) ||
           mSavedName != mState.mProblemName;
}

void CVantrellDlg::ShowTitle() {
    const QString file = QFileInfo(QString::fromStdString(mState.mFileName)).fileName();
    setWindowTitle(file.isEmpty() ? QStringLiteral("Vantrell[*]")
                                  : file + QStringLiteral("[*] - Vantrell"));
    setWindowModified(HasUnsavedChanges());
}

void CVantrellDlg::RunCommandOnly(MainCommand command) {
    switch (command) {
        case MainCommand::New:
            return OnNew();
        case MainCommand::Open:
            return OnOpen();
        case MainCommand::SaveExcel:
            return OnSaveExcel();
        case MainCommand::SaveText:
            return OnSaveText();
        case MainCommand::ExportSolution:
            return OnExportSolution();
        case MainCommand::Exit:
            return OnExit();
        case MainCommand::ObjectiveFunction:
            return OnObjectiveFunction();
        case MainCommand::Constraints:
            return OnConstraints();
        case MainCommand::DeleteConstraint:
            return OnDeleteConstraint();
        case MainCommand::Plot2D:
            return OnPlot2D();
        case MainCommand::DeselectConstraint:
            return OnDeselectConstraint();
        case MainCommand::CalculatePrimal:
            return OnCalculate(false);
        case MainCommand::CalculateDual:
            return OnCalculate(true);
        case MainCommand::Options:
            return OnOptions();
        case MainCommand::About:
            return OnAbout();
        case MainCommand::UserGuide:
            return OnUserGuide();
        case MainCommand::ExportLatex:
            return ExportLatex(mState, mPrompt);
        case MainCommand::Sensitivity:
            return OnSensitivity();
        case MainCommand::PracticePrimal:
            return OnPractice(false);
        case MainCommand::PracticeDual:
            return OnPractice(true);
        case MainCommand::NewExercise:
            return OnNewExercise();
        case MainCommand::NewExerciseSheet:
            return OnNewExerciseSheet();
        case MainCommand::Import:
            return OnImport();
        case MainCommand::ExportAs:
            ExportProblemAs(mState, mPrompt);
            return;
        case MainCommand::ExportPdf:
            return OnExportPdf();
        case MainCommand::Print:
            return OnPrint();
        case MainCommand::ReviewTableaus:
            return OnReviewTableaus();
    }
}

void CVantrellDlg::OnNew() {
    NewProblem(mState, mPrompt, HasUnsavedChanges());
    MarkSaved();
    ShowFileFields();
    ShowSizeFields();
    ShowSolutionList();
    ShowPrimalObjective();
    ShowPrimalConstraints();
    ShowDualConstraints();
    OnObjectiveFunction();
}

void CVantrellDlg::OnOpen() {
    SaveChoiceRecorder recorder(mPrompt);
    const OpenResult result = OpenProblem(mState, recorder, HasUnsavedChanges());
    if (recorder.lastSaved) {
        mRecent.Add(*recorder.lastSaved);
    }
    if (result == OpenResult::Opened) {
        mRecent.Add(mState.mFileName);
    }
    ShowRecentFiles();
    ShowOpened(result);
}

void CVantrellDlg::OpenFile(const std::string& path) {
    const SolvedProblem before{true, mState.mMinimize, mState.mPrimal};
    RunGuarded(mPrompt, [this, &path] {
        SaveChoiceRecorder recorder(mPrompt);
        const OpenResult result = OpenProblemAt(mState, recorder, path, HasUnsavedChanges());
        if (recorder.lastSaved) {
            mRecent.Add(*recorder.lastSaved);
        }
        if (result == OpenResult::Opened) {
            mRecent.Add(path);
        } else if (!QFileInfo::exists(QString::fromStdString(path))) {
            // A recent file that is gone leaves the list; the open message said why.
            mRecent.Remove(path);
        }
        ShowRecentFiles();
        ShowOpened(result);
    });
    AfterCommand(MainCommand::Open, before);
}

void CVantrellDlg::OnSaveText() {
    SaveChoiceRecorder recorder(mPrompt);
    if (SaveText(mState, recorder)) {
        MarkSaved();
        mRecent.Add(*recorder.lastSaved);
        ShowRecentFiles();
    }
}

void CVantrellDlg::OnImport() {
    // An imported problem has no file yet: it stays marked as unsaved.
    const OpenResult result = ImportProblem(mState, mPrompt, kVariableItemCount);
    if (result != OpenResult::Opened) {
        return;
    }
    ShowReplacedProblem();
}

void CVantrellDlg::OnExportPdf() {
    ExportReportPdf(mState, mPrompt, ReportClockNow(), ReportPdfBytes);
}

void CVantrellDlg::OnPrint() {
    if (!ReportIsReady(mState, mPrompt)) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (mRunModal(dialog) != QDialog::Accepted) {
        return;
    }
    PaintReport(BuildReportDocument(mState, ReportClockNow()), printer);
}

void CVantrellDlg::SetRecentFiles(const std::vector<std::string>& paths) {
    mRecent.Assign(paths);
    ShowRecentFiles();
}

void CVantrellDlg::ShowRecentFiles() {
    for (QAction* action : mRecentActions) {
        delete action;
    }
    mRecentActions.clear();
    QAction* exit = Action(MainCommand::Exit);
    auto* file = qobject_cast<QMenu*>(exit->parent());
    if (file == nullptr || mRecent.Paths().empty()) {
        return;
    }
    for (std::size_t i = 0; i < mRecent.Paths().size(); ++i) {
        const std::string path = mRecent.Paths()[i];
        auto* action = new QAction(QString::fromStdString(RecentFileCaption(i, path)), file);
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        action->setStatusTip(QString::fromStdString(path));
        action->setToolTip(QString::fromStdString(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
        file->insertAction(exit, action);
        mRecentActions.push_back(action);
    }
    mRecentActions.push_back(file->insertSeparator(exit));
}

void CVantrellDlg::ShowOpened(OpenResult result) {
    if (result == OpenResult::Failed) {
        return;
    }
    if (result == OpenResult::Opened) {
        MarkSaved();
        return ShowReplacedProblem();
    }
    ShowDualConstraints();
    ShowSolutionList();
}

void CVantrellDlg::ShowReplacedProblem() {
    ShowFileFields();
    ShowSizeFields();
    ShowPrimalObjective();
    ShowPrimalConstraints();
    ShowDualConstraints();
    ShowSolutionList();
}

void CVantrellDlg::OnSaveExcel() {
    // The workbook is written before the sheet is shown, so what is shown is what was saved.
    if (!SaveExcel(mState, mPrompt)) {
        return;
    }
    CExcelDlg dialog(mState, this);
    mRunModal(dialog);
}

void CVantrellDlg::OnExportSolution() {
    ExportSolution(mState, mPrompt, ReportClockNow());
}

void CVantrellDlg::OnExit() {
    if (!mPrompt.AskToDiscard("Do you really want to exit?")) {
        return;
    }
    // As Open and New do, a changed problem is offered for saving before it is lost.
    if (HasUnsavedChanges() && mPrompt.AskYesNo("Do you want to save the current inputs?") &&
        !SaveText(mState, mPrompt)) {
        return;
    }
    QDialog::done(0);
}

void CVantrellDlg::OnObjectiveFunction() {
    {
        CObjectiveDlg dialog(mState, *this, mPrompt, this);
        mRunModal(dialog);
    }
    RebuildDual();
    ShowPrimalObjective();
    ShowDualConstraints();
}

void CVantrellDlg::OnConstraints() {
    {
        CConstraintsDlg dialog(mState, *this, mPrompt, this);
        mRunModal(dialog);
    }
    RebuildDual();
    ShowDualObjective();
    ShowDualConstraints();
}

void CVantrellDlg::OnDeleteConstraint() {
    if (!DeleteConstraint(mState, mPrompt, SelectedConstraint())) {
        return;
    }
    ShowPrimalConstraints();
    RebuildDual();
    ShowDualConstraints();
}

void CVantrellDlg::OnPlot2D() {
    OpenPlot();
}

CGraphDlg* CVantrellDlg::OpenPlot() {
    if (const auto refusal = PlotRefusal(mState)) {
        mPrompt.ShowMessage(*refusal);
        return nullptr;
    }
    if (!mGraphDlg) {
        mGraphDlg = new CGraphDlg(
            mState, mPrompt, [this] { ShowSolutionList(); }, this);
    }
    if (mGraphDlg->isVisible()) {
        mGraphDlg->raise();
        mGraphDlg->activateWindow();
        return mGraphDlg;
    }
    const bool current = KeptRunIsCurrent(mState, false) && mState.mPrimalTableauCount > 0;
    mGraphDlg->SetPath(current ? KeptRunPath(mState, false) : std::nullopt);
    mGraphDlg->show();
    return mGraphDlg;
}

void CVantrellDlg::OnReviewTableaus() {
    if (ReviewableRuns(mState).empty()) {
        mPrompt.ShowMessage(kNothingToReviewMessage);
        return;
    }
    if (!mReviewDlg) {
        mReviewDlg = new CReviewDlg(
            mState, mPrompt, [this](bool open) { return open ? OpenPlot() : mGraphDlg.data(); },
            this);
    }
    mReviewDlg->Reload();
    mReviewDlg->show();
    mReviewDlg->raise();
    mReviewDlg->activateWindow();
}

void CVantrellDlg::ShowRunPageOnPlot(const VantrellState& state, int page) {
    // The plot draws the primal; a dual run has no place on it.
    if (!mGraphDlg || !mGraphDlg->isVisible() || state.mSolvingDual) {
        return;
    }
    // The path as far as the run has come, not where it will go.
    const ExactRun* run = CurrentExactRun(state);
    mGraphDlg->SetPath(
        run != nullptr ? std::optional(BuildSimplexPath(
                             ExactRunSoFar(*run, state.mTableauCount, state.mDone), state.mPrimal))
                       : std::nullopt);
    mGraphDlg->HighlightPage(page);
}

void CVantrellDlg::OnDeselectConstraint() {
    mPrimalList->clearSelection();
    mPrimalList->setCurrentRow(-1);
}

void CVantrellDlg::OnCalculate(bool dual) {
    if (dual) {
        CalculateDual(mState, mPrompt, mPresenter);
    } else {
        CalculatePrimal(mState, mPrompt, mPresenter);
    }
    ShowRunResult();
}

void CVantrellDlg::ShowRunResult() {
    if (const auto minimum = RunMinimumLine(mState)) {
        mState.mSolutionLines.push_back(*minimum);
    }
    ShowSizeFields();
    ShowSolutionList();
}

void CVantrellDlg::OnOptions() {
    COptionsDlg dialog(mState, mPrompt, this);
    if (mRunModal(dialog) != QDialog::Accepted) {
        return;
    }
    mState.mDecimalPlaces = dialog.DecimalPlaces();
    mState.mDisplay = dialog.Display();
    mState.mExplain = dialog.Explain();
    mState.mPivotRule = dialog.Rule();
    mState.mMethod = dialog.Method();
    mState.mPracticeLevel = dialog.Level();
    RebuildDual();
    ShowPrimalObjective();
    ShowDualObjective();
    ShowPrimalConstraints();
    ShowDualConstraints();
    // A run of this problem shows its solution in the numbers just chosen, at once.
    if (mState.mTableauCount > 0 && mState.mRunOutcome != RunOutcome::NotRun &&
        mState.mRunOutcome != RunOutcome::Stopped &&
        SolvedThisProblem(mState.mLastSolved, mState.mPrimal, mState.mMinimize) &&
        !mState.mSolutionLines.empty()) {
        mState.mSolutionLines = DefaultSolutionLines(mState);
        mState.mSolutionLines = DisplayedSolutionLines(mState);
        ShowRunResult();
    }
}

void CVantrellDlg::OnSensitivity() {
    const auto current = SensitivityOfCurrentRun(mState);
    if (!current) {
        mPrompt.ShowMessage(kNoOptimalRunMessage);
        return;
    }
    std::vector<std::string> duality;
    if (const auto read = current->dual ? std::nullopt : KeptRunDuality(mState)) {
        duality = DualityLines(*read, NoteNumbersOf(mState));
    }
    CSensitivityDlg::WhatIfFunction whatIf;
    if (!duality.empty()) {
        // The problem as it stands when the window opens: the window is modal.
        whatIf = [problem = mState.mPrimal, minimize = mState.mMinimize, rule = mState.mPivotRule,
                  numbers = NoteNumbersOf(mState)](const std::string& typed) {
            return WhatIfLines(typed, problem, minimize, rule, numbers);
        };
    }
    CSensitivityDlg dialog(*current, NoteNumbersOf(mState), this, duality, whatIf);
    mRunModal(dialog);
}

void CVantrellDlg::OnAbout() {
    CAboutDlg dialog(mPrompt, ProgramFolder(), this);
    mRunModal(dialog);
}

void CVantrellDlg::OnUserGuide() {
    CHelpDlg dialog(mState, mPrompt, this);
    mRunModal(dialog);
}

void CVantrellDlg::OnDualListDoubleClicked() {
    mPrompt.ShowMessage("The user cannot change the Dual Constraints");
}

}  // namespace vantrell
