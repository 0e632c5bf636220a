#include "sightwin/log_window.h"

#include "toolkit/help.h"
#include "toolkit/palette.h"
#include "toolkit/services.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QUndoStack>
#include <QWhatsThis>

namespace morvel::sightwin {

Answer askIn(QWidget* window, const QString& question, bool cancel)
{
    const auto buttons = QMessageBox::Yes | QMessageBox::No | (cancel ? QMessageBox::Cancel : QMessageBox::NoButton);
    const auto b = QMessageBox::question(window, toolkit::programTitle, question, buttons);
    return b == QMessageBox::Yes ? Answer::yes : b == QMessageBox::No ? Answer::no : Answer::cancel;
}

void tell(const QString& message)
{
    if (!message.isEmpty() && toolkit::services().messages)
        toolkit::services().messages->show(message);
}

bool settled(bool modified, const Ask& ask, const QString& question, const std::function<bool()>& save)
{
    if (!modified)
        return true;
    const Answer a = ask ? ask(question, true) : Answer::cancel;
    if (a == Answer::cancel)
        return false;
    return a == Answer::no || save();
}

void offerKept(bool kept, const Ask& ask, const QString& question, const std::function<QString()>& restore,
               const std::function<void()>& discard)
{
    if (!kept)
        return;
    if ((ask ? ask(question, false) : Answer::no) == Answer::yes)
        tell(restore());
    else
        discard();
}

void showTitle(QMainWindow& window, const QString& what, const QString& file, bool modified)
{
    window.setWindowTitle(what + (file.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + QFileInfo(file).fileName()) +
                          QStringLiteral("[*]"));
    window.setWindowModified(modified);
}

std::pair<QAction*, QAction*> undoActions(QUndoStack& stack, QObject* parent)
{
    QAction* undo = stack.createUndoAction(parent, QObject::tr("&Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = stack.createRedoAction(parent, QObject::tr("&Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    return {undo, redo};
}

QAction* addViewAndHelpMenus(QMainWindow& window, const QString& helpCaption)
{
    using toolkit::Palettes, toolkit::PaletteChoice;
    auto action = [&window](const QString& text, const QKeySequence& key, auto slot) {
        return menuAction(&window, text, key, slot);
    };
    QMenu* view = window.menuBar()->addMenu(QObject::tr("&View"));
    auto* palettes = new QActionGroup(&window);
    const std::pair<PaletteChoice, QString> choices[] = {
        {PaletteChoice::day, QObject::tr("&Day")},
        {PaletteChoice::dusk, QObject::tr("D&usk")},
        {PaletteChoice::night, QObject::tr("&Night")},
        {PaletteChoice::automatic, QObject::tr("&Automatic (by the Sun at the DR)")}};
    for (const auto& [choice, caption] : choices) {
        QAction* a = palettes->addAction(caption);
        a->setCheckable(true);
        a->setObjectName(QStringLiteral("view-") + Palettes::key(choice));
        a->setChecked(Palettes::instance().choice() == choice);
        QObject::connect(a, &QAction::triggered, &window, [c = choice] { Palettes::instance().choose(c); });
        view->addAction(a);
    }
    QObject::connect(&Palettes::instance(), &Palettes::changed, palettes, [palettes] {
        palettes->actions()[int(Palettes::instance().choice())]->setChecked(true);
    });
    view->addSeparator();
    view->addAction(action(QObject::tr("Next &Palette"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                           [] { Palettes::instance().cycle(); }));
    view->addAction(action(QObject::tr("D&immer"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown),
                           [] { Palettes::instance().dim(); }));
    view->addAction(action(QObject::tr("&Brighter"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp),
                           [] { Palettes::instance().brighten(); }));

    QMenu* help = window.menuBar()->addMenu(QObject::tr("&Help"));
    QAction* page = action(helpCaption, QKeySequence::HelpContents,
                           [&window] { toolkit::showHelp(toolkit::helpPageOf(window.objectName())); });
    help->addAction(page);
    help->addAction(action(QObject::tr("Morvel &Manual"), QKeySequence(),
                           [] { toolkit::showHelp(toolkit::helpPageOf({})); }));
    QAction* whatsThis = QWhatsThis::createAction(&window);
    whatsThis->setText(QObject::tr("What's &This?"));
    help->addAction(whatsThis);
    return page;
}

QString fileToSave(QWidget* window, const std::function<QString(const QString&)>& chooser, const QString& caption,
                   const QString& file, const QString& filter)
{
    QString path = chooser ? chooser(caption) : QFileDialog::getSaveFileName(window, caption, file, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    return path;
}

void fitToScreen(QWidget& window, const QSize& wanted)
{
    const QSize room = window.screen() ? window.screen()->availableGeometry().size() * 9 / 10 : wanted;
    window.resize(wanted.boundedTo(room));
}

}  // namespace morvel::sightwin
