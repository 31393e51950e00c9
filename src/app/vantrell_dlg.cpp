#include "app/vantrell_dlg.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/main_menu.h"
#include "commands/calculate_commands.h"
#include "commands/command_guard.h"
#include "commands/excel_commands.h"
#include "commands/export_commands.h"
#include "commands/file_commands.h"
#include "commands/main_commands.h"
#include "dialogs/about_dialog.h"
#include "dialogs/constraints_dialog.h"
#include "dialogs/excel_dialog.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/help_dialog.h"
#include "dialogs/objective_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/program_icon.h"
#include "dialogs/ui_fonts.h"
#include "model/equation_text.h"
#include "simplex/dual_builder.h"

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
    connect(mProblemNameEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { mState.mProblemName = text.toStdString(); });
    mFileNameEdit = new QLineEdit(this);
    mFileNameEdit->setObjectName("fileNameEdit");
    mFileNameEdit->setAccessibleName(QStringLiteral("Filename"));

    mPrimalObjective = ReadOnlyEdit("primalObjective", this);
    mPrimalObjective->setAccessibleName(QStringLiteral("Primal objective"));
    mPrimalList = GeneratedLinesList("primalList", "Primal Constraints", this);
    mPrimalList->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(mPrimalList, &QListWidget::itemDoubleClicked, this,
            [this] { RunCommand(MainCommand::Constraints); });
    mDualObjective = ReadOnlyEdit("dualObjective", this);
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
    primalLayout->addWidget(new QLabel(QStringLiteral("Subject to:"), primalGroup), 1, 0, 1, 2);
    primalLayout->addWidget(mPrimalList, 2, 0, 1, 2);
    primalLayout->addWidget(
        new QLabel(QStringLiteral("All Variables are considered >= 0"), primalGroup), 3, 0, 1, 2);

    auto* dualGroup = new QGroupBox(QStringLiteral("Daul Constraints"), this);
    auto* dualLayout = new QGridLayout(dualGroup);
    dualLayout->addWidget(new QLabel(QStringLiteral("Z ="), dualGroup), 0, 0);
    dualLayout->addWidget(mDualObjective, 0, 1);
    dualLayout->addWidget(mDualList, 1, 0, 1, 2);

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
    mPrimalObjective->setText(
        QString::fromStdString(PrimalObjectiveText(mState.mPrimal, mState.mDecimalPlaces)));
}

void CVantrellDlg::ShowPrimalConstraints() {
    FillList(mPrimalList, PrimalConstraintLines(mState.mPrimal, mState.mDecimalPlaces));
    mPrimalList->setCurrentRow(-1);
}

void CVantrellDlg::ShowDualObjective() {
    mDualObjective->setText(QString::fromStdString(
        DualObjectiveText(mState.mDual, mState.mDecimalPlaces, mState.mDisplayDuality)));
}

void CVantrellDlg::ShowDualConstraints() {
    mDualList->clear();
    if (!mState.mDisplayDuality) {
        return;
    }
    ShowDualObjective();
    FillList(mDualList, DualConstraintLines(mState.mDual, mState.mDecimalPlaces, true));
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
    if (key->modifiers() != Qt::ControlModifier) {
        return QDialog::eventFilter(watched, event);
    }
    const auto command = CommandForControlKey(key->key());
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

void CVantrellDlg::reject() {
    OnExit();
}

// ---- commands ----

void CVantrellDlg::RunCommand(MainCommand command) {
    // Running out of memory inside a command is a message, not the end of the user's work.
    RunGuarded(mPrompt, [this, command] { DispatchCommand(command); });
}

void CVantrellDlg::DispatchCommand(MainCommand command) {
    switch (command) {
        case MainCommand::New:
            return OnNew();
        case MainCommand::Open:
            return OnOpen();
        case MainCommand::SaveExcel:
            return OnSaveExcel();
        case MainCommand::SaveText:
            return SaveText(mState, mPrompt);
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
    }
}

void CVantrellDlg::OnNew() {
    NewProblem(mState, mPrompt);
    mProblemNameEdit->clear();
    mMField->clear();
    ShowPrimalObjective();
    ShowPrimalConstraints();
    ShowDualConstraints();
    OnObjectiveFunction();
}

void CVantrellDlg::OnOpen() {
    const OpenResult result = OpenProblem(mState, mPrompt);
    if (result == OpenResult::Failed) {
        return;
    }
    if (result == OpenResult::Opened) {
        ShowFileFields();
        mMField->setText(QString::fromStdString(mState.mSizeFields.m));
        ShowPrimalObjective();
        ShowPrimalConstraints();
    }
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
    if (mPrompt.AskYesNo("Do you really want to exit?")) {
        QDialog::done(0);
    }
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
    if (const auto refusal = PlotRefusal(mState)) {
        mPrompt.ShowMessage(*refusal);
        return;
    }
    if (!mGraphDlg) {
        mGraphDlg = new CGraphDlg(
            mState, mPrompt, [this] { ShowSolutionList(); }, this);
    }
    if (mGraphDlg->isVisible()) {
        mGraphDlg->raise();
        mGraphDlg->activateWindow();
        return;
    }
    mGraphDlg->show();
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
    ShowSizeFields();
    ShowSolutionList();
}

void CVantrellDlg::OnOptions() {
    COptionsDlg dialog(mState, mPrompt, this);
    if (mRunModal(dialog) != QDialog::Accepted) {
        return;
    }
    mState.mDecimalPlaces = dialog.DecimalPlaces();
    RebuildDual();
    ShowPrimalObjective();
    ShowDualObjective();
    ShowPrimalConstraints();
    ShowDualConstraints();
}

void CVantrellDlg::OnAbout() {
    CAboutDlg dialog(this);
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
