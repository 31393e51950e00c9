// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vantrell {
namespace {

struct MenuItem {
    MainCommand command;
    const char* caption;
    const char* key;     // the hint shown at the right, or nullptr
    const char* prompt;  // the command's description, or nullptr
    const char* objectName;
};

const MenuItem kFileItems[] = {
    {MainCommand::New, "New", "Ctrl+N", "Start with an empty objective and no constraints",
     "actionNew"},
    {MainCommand::Open, "&Open...", "Ctrl+O", "Open a text file that defines a problem",
     "actionOpen"},
    {MainCommand::NewExercise, "New E&xercise...", "Ctrl+Shift+N",
     "Start with an exercise of small whole numbers made for practice", "actionNewExercise"},
    {MainCommand::NewExerciseSheet, "New Exercise S&heet...", nullptr,
     "Write a sheet of exercises with blank tableaus and its answer key", "actionNewExerciseSheet"},
    {MainCommand::SaveExcel, "Save Ex&cel ...", "Ctrl+E", "Save Tableaus as Excel Spreadsheet",
     "actionSaveExcel"},
    {MainCommand::SaveText, "Save &Text ...", nullptr,
     "Save objective function and constraints as text file for inputting later", "actionSaveText"},
    {MainCommand::ExportSolution, "Export Solution to &File", nullptr,
     "Write the Problem and Solution to a file", "actionExportSolution"},
    {MainCommand::ExportLatex, "Export Tableaus as &LaTeX...", nullptr,
     "Write the tableaus of the last run as a LaTeX document", "actionExportLatex"},
    {MainCommand::Import, "&Import...", "Ctrl+I", "Read a problem from a CPLEX LP or free MPS file",
     "actionImport"},
    {MainCommand::ExportAs, "Export &As...", nullptr,
     "Write the problem as a CPLEX LP or free MPS file", "actionExportAs"},
    {MainCommand::ExportPdf, "Export P&DF...", nullptr,
     "Write the solution report with its tableaus as a PDF file", "actionExportPdf"},
    {MainCommand::Print, "&Print...", "Ctrl+Shift+P", "Print the solution report with its tableaus",
     "actionPrint"},
};
const MenuItem kExitItem = {MainCommand::Exit, "E&xit", nullptr, "Exit without saving",
                            "actionExit"};
const MenuItem kEditItems[] = {
    {MainCommand::ObjectiveFunction, "Objective &Function", "Ctrl+F",
     "Add, delete, modify objective function", "actionObjectiveFunction"},
    {MainCommand::Constraints, "&Constraints", "Ctrl+S", "Add, delete, modify constraints",
     "actionConstraints"},
    {MainCommand::DeleteConstraint, "Delete Constraint", "Ctrl+X",
     "Delete the currently selected constraint", "actionDeleteConstraint"},
};
const MenuItem kViewItems[] = {
    {MainCommand::Plot2D, "2&D Plot", "Ctrl+G",
     "View the 2D plot and watch intersection being calculated", "actionPlot2D"},
    {MainCommand::DeselectConstraint, "Deselect &Constraint", nullptr,
     "Deselect the Listbox that contains the constraints", "actionDeselectConstraint"},
    {MainCommand::Sensitivity, "&Sensitivity", "Ctrl+T",
     "Shadow prices, reduced costs and ranges of the optimal run", "actionSensitivity"},
    {MainCommand::ReviewTableaus, "&Review Tableaus", "Ctrl+R",
     "Look again at every tableau of the last run, beside its path on the plot",
     "actionReviewTableaus"},
};
const MenuItem kCalculateItems[] = {
    {MainCommand::CalculatePrimal, "Calculate &Primal", "Ctrl+P",
     "Calculate optimal solution using primal format", "actionCalculatePrimal"},
    {MainCommand::CalculateDual, "Calculate &Dual", "Ctrl+D", nullptr, "actionCalculateDual"},
    {MainCommand::PracticePrimal, "P&ractice Primal", "Ctrl+Alt+P",
     "Make each pivot of the primal yourself; the program checks it", "actionPracticePrimal"},
    {MainCommand::PracticeDual, "Practice D&ual", "Ctrl+Alt+D",
     "Make each pivot of the dual yourself; the program checks it", "actionPracticeDual"},
};
const MenuItem kOptionsItem = {MainCommand::Options, "&Options", nullptr,
                               "Modify the format for the numbers displayed", "actionOptions"};
const MenuItem kHelpItems[] = {
    {MainCommand::About, "&About", nullptr, "Version numbers and date of build", "actionAbout"},
    {MainCommand::UserGuide, "&User's Guide", nullptr,
     "Input Rules for objective function and Constraints", "actionUserGuide"},
};

void AddItem(QMenu* menu, const MenuItem& item, const std::function<void(MainCommand)>& run,
             std::map<MainCommand, QAction*>& actions) {
    QString caption = QString::fromUtf8(item.caption);
    if (item.key != nullptr) {
        caption += QLatin1Char('\t') + QString::fromUtf8(item.key);
    }
    QAction* action = menu->addAction(caption);
    action->setObjectName(item.objectName);
    if (item.prompt != nullptr) {
        action->setStatusTip(QString::fromUtf8(item.prompt));
        action->setToolTip(QString::fromUtf8(item.prompt));
    }
    const MainCommand command = item.command;
    QObject::connect(action, &QAction::triggered, menu, [run, command] { run(command); });
    actions[command] = action;
}

template <std::size_t N>
void AddItems(QMenu* menu, const MenuItem (&items)[N], const std::function<void(MainCommand)>& run,
              std::map<MainCommand, QAction*>& actions) {
    for (const MenuItem& item : items) {
        AddItem(menu, item, run, actions);
    }
}

}  // namespace

QMenuBar* BuildMainMenu(QWidget* parent, const std::function<void(MainCommand)>& run,
                        std::map<MainCommand, QAction*>& actions) {
    auto* bar = new QMenuBar(parent);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddItems(file, kFileItems, run, actions);
    file->addSeparator();
    AddItem(file, kExitItem, run, actions);

    AddItems(bar->addMenu(QStringLiteral("&Edit")), kEditItems, run, actions);
    AddItems(bar->addMenu(QStringLiteral("&View")), kViewItems, run, actions);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    AddItems(options, kCalculateItems, run, actions);
    options->addSeparator();
    AddItem(options, kOptionsItem, run, actions);

    AddItems(bar->addMenu(QStringLiteral("&Help")), kHelpItems, run, actions);
    return bar;
}

}  // namespace vantrell
