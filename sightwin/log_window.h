/// \file log_window.h
/// \brief What the windows of a log kept as a file share (the sight log's
/// and the azimuth book's): the question asked before changes are lost,
/// the message told, the title with the file's name and the mark of
/// changes, the undo and redo actions with their keys, the View and Help
/// menus, the file chosen to save to, and a size that fits the screen.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <utility>

class QMainWindow;
class QObject;
class QSize;
class QUndoStack;
class QWidget;

namespace morvel::sightwin {

enum class Answer { yes, no, cancel };
/// A question (yes, no and, with cancel, cancel); a test replaces it.
using Ask = std::function<Answer(const QString& question, bool cancel)>;

/// The question in a message box over window.
Answer askIn(QWidget* window, const QString& question, bool cancel);

/// Tells the navigator, when there is something to tell.
void tell(const QString& message);

/// Whether to go on past changes not saved: asked to save them (question),
/// saved when the answer is yes; false when cancelled or not saved.
bool settled(bool modified, const Ask& ask, const QString& question, const std::function<bool()>& save);

/// A log kept from a run that did not end cleanly offered back (question):
/// restored, what restore tells told, or let go.
void offerKept(bool kept, const Ask& ask, const QString& question, const std::function<QString()>& restore,
               const std::function<void()>& discard);

/// The window's title: what it is, its file's name, the mark of changes.
void showTitle(QMainWindow& window, const QString& what, const QString& file, bool modified);

/// An action of window's menus: its text, its key, what it does (a member
/// of the window or a function).
template <class Window, class Slot>
QAction* menuAction(Window* window, const QString& text, const QKeySequence& key, Slot slot)
{
    auto* a = new QAction(text, window);
    a->setShortcut(key);
    QObject::connect(a, &QAction::triggered, window, slot);
    return a;
}

/// The Edit menu's Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z, Ctrl+Y).
std::pair<QAction*, QAction*> undoActions(QUndoStack& stack, QObject* parent);

/// The View menu (day, dusk, night or automatic, one checked; the next
/// palette on Ctrl+Shift+N, dimmer and brighter on Ctrl+Shift+Page Down
/// and Up) and the Help menu (helpCaption on F1, the window's page of the
/// manual by its object name; the manual's contents; What's This) at the
/// end of window's menu bar. Returns the action of F1.
QAction* addViewAndHelpMenus(QMainWindow& window, const QString& helpCaption);

/// The file to save to, chosen (by chooser when a test gives one) under
/// caption; a name typed without its kind gets ".csv". Empty: none.
QString fileToSave(QWidget* window, const std::function<QString(const QString&)>& chooser, const QString& caption,
                   const QString& file, const QString& filter);

/// The window sized to wanted, never larger than its screen.
void fitToScreen(QWidget& window, const QSize& wanted);

}  // namespace morvel::sightwin
