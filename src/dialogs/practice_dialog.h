// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>

#include "commands/practice_commands.h"
#include "teach/practice_session.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vantrell {

class TableauGrid;

// Asks the decisions of one page: the student clicks the entering column, then the leaving
// row (or types the name in the answer field), or declares a verdict; wrong answers are
// explained in the label and leave the page as it is. At the arithmetic levels the answer
// field then takes each row operation's number or each row of the next tableau, one line
// of cells; Show me fills it in. The page closes once it is settled; the run's last page
// stays open with the summary until Close. Stop practising leaves at any time; the run
// goes on without asking. The answer field has the focus, so a student who types answers
// types on from page to page.
class CPracticeDlg : public QDialog {
    Q_OBJECT

  public:
    // grid shows the tableau as a grid of cells (see TableauGrid) instead of text lines.
    CPracticeDlg(PracticeSession& session, bool grid = false, QWidget* parent = nullptr);

    // A click on the tableau at a point of the list's viewport: a column on the first
    // question, a row on the second.
    void PickAt(const QPoint& viewportPoint);
    void Answer(const PracticeAnswer& answer);
    // The viewport point at the middle of a cell: line of Lines(), cell of that line.
    QPoint CellPoint(std::size_t line, std::size_t cell) const;
    // A pick on line `line` of the page, in cell `cell` where one was hit: a column on the
    // first question, a row on the second; anything else is explained.
    void PickCell(std::size_t line, std::optional<std::size_t> cell);

  protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout(bool grid);
    void Refresh();
    void OnTyped();
    // A row operation or a row of the next tableau is asked, typed in the answer field.
    bool ArithmeticAsked() const;
    void OnStopOrClose();
    // Says in the feedback why the pick was no answer.
    void ExplainNoAnswer(const std::string& text);
    int TextLeft(const QListWidgetItem* item) const;

    PracticeSession& mSession;
    TableauPage mView;
    QLabel* mQuestionLabel = nullptr;
    QLabel* mFeedbackLabel = nullptr;
    QListWidget* mTableauList = nullptr;
    TableauGrid* mGrid = nullptr;
    QLineEdit* mAnswerField = nullptr;
    QPushButton* mCheckButton = nullptr;
    QPushButton* mOptimalButton = nullptr;
    QPushButton* mUnboundedButton = nullptr;
    QPushButton* mInfeasibleButton = nullptr;
    QPushButton* mShowMeButton = nullptr;
    QPushButton* mStopButton = nullptr;
};

// Shows each page in a practice dialog through the modal runner the main window uses.
class QtPracticeFront : public PracticeFront {
  public:
    using ModalRunner = std::function<int(QDialog&)>;
    QtPracticeFront(QWidget* parent, ModalRunner runModal, bool grid = false)
        : mParent(parent), mRunModal(std::move(runModal)), mGrid(grid) {}
    void Practise(PracticeSession& session) override;

  private:
    QPointer<QWidget> mParent;
    ModalRunner mRunModal;
    bool mGrid = false;
};

}  // namespace vantrell
