#include "tests/fuzz/window_driver.h"

#include "navtext/numtext.h"
#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace morvel::fuzz {

using namespace toolkit;

namespace {

/// The program under test, made once for the whole run.
struct Harness {
    QTemporaryDir runtime;
    std::unique_ptr<QApplication> app;
    RecordingMessageBox messages;
    RecordingPrinter printer;
    RecordingQuit quitter;
    std::unique_ptr<shell::Program> program;
    std::map<QString, Form*> shown;  ///< windows already opened from the menu

    Harness()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        static int argc = 1;
        static char name[] = "morvel-fuzz";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        initialise();
        services().messages = &messages;
        services().printer = &printer;
        services().quitter = &quitter;
        Timer::setManual(true);
        program = std::make_unique<shell::Program>();
        program->start();
    }

    Form& open(const WindowUnderTest& w)
    {
        auto it = shown.find(w.window);
        if (it != shown.end())
            return *it->second;
        Form& menu = *program->window(QStringLiteral("morvelf"));
        button(menu, {w.menuButton}).click();
        Form* f = program->window(w.window);
        shown[w.window] = f;
        return *f;
    }

    static Control& control(Form& f, const ControlName& c)
    {
        if (Control* found = f.find(c.name, c.index))
            return *found;
        std::fprintf(stderr, "fuzz driver: %s has no control %s(%d)\n", qPrintable(f.name()), qPrintable(c.name),
                     c.index);
        std::abort();
    }
    template <class T>
    static T& as(Form& f, const ControlName& c)
    {
        if (auto* t = dynamic_cast<T*>(&control(f, c)))
            return *t;
        std::fprintf(stderr, "fuzz driver: %s is not of the expected kind\n", qPrintable(c.name));
        std::abort();
    }
    static ButtonControl& button(Form& f, const ControlName& c) { return as<ButtonControl>(f, c); }
};

Harness& harness()
{
    static Harness h;
    return h;
}

/// What the user set before a Calculate.
struct Typed {
    std::vector<QString> texts;
    std::vector<bool> options;  ///< each pair's two buttons
    std::vector<int> checks;
};

Typed typedState(Form& f, const WindowUnderTest& w)
{
    Typed t;
    for (const ControlName& e : w.entries)
        t.texts.push_back(Harness::as<TextBox>(f, e).text());
    for (const auto& [first, second] : w.optionPairs) {
        t.options.push_back(Harness::as<OptionButton>(f, {first}).value());
        t.options.push_back(Harness::as<OptionButton>(f, {second}).value());
    }
    for (const QString& c : w.checkBoxes)
        t.checks.push_back(Harness::as<CheckBox>(f, {c}).value());
    return t;
}

[[noreturn]] void fail(const WindowUnderTest& w, const QString& what, const Typed& typed)
{
    QString inputs;
    for (const QString& t : typed.texts)
        inputs += QStringLiteral(" [%1]").arg(t);
    std::fprintf(stderr, "%s: %s\n  typed:%s\n", qPrintable(w.window), qPrintable(what), qPrintable(inputs));
    std::abort();
}

bool finite(double v) { return std::isfinite(v); }

/// stopped: a message other than a warning was shown.
void checkInvariants(Form& f, const WindowUnderTest& w, const Typed& typed, bool stopped)
{
    static const QRegularExpression notANumber(QStringLiteral("\\b(nan|inf)"),
                                               QRegularExpression::CaseInsensitiveOption);
    std::map<const Control*, size_t> entryIndex;
    for (size_t i = 0; i < w.entries.size(); ++i)
        entryIndex[&Harness::control(f, w.entries[i])] = i;

    for (const auto& c : f.controls()) {
        const QString name = c->qualifiedName();
        if (!finite(c->left()) || !finite(c->top()) || !finite(c->width()) || !finite(c->height()))
            fail(w, name + QStringLiteral(" has a position that is not finite"), typed);
        if (auto* line = dynamic_cast<const Line*>(c.get()))
            if (!finite(line->x1()) || !finite(line->y1()) || !finite(line->x2()) || !finite(line->y2()))
                fail(w, name + QStringLiteral(" has an end that is not finite"), typed);
        const bool onResultColour = c->visible() && c->backColor() == colors::cyan;
        if (stopped && onResultColour)
            fail(w, QStringLiteral("a message and a result: %1 on the result colour").arg(name), typed);
        if (auto* box = dynamic_cast<const TextBox*>(c.get())) {
            const auto entry = entryIndex.find(c.get());
            const bool asTyped = entry != entryIndex.end() && box->text() == typed.texts[entry->second];
            if (!asTyped && box->text().contains(notANumber))
                fail(w, QStringLiteral("%1 shows \"%2\"").arg(name, box->text()), typed);
        }
    }

    for (const ResultBox& r : w.results) {
        auto& box = Harness::as<TextBox>(f, r.box);
        if (!box.visible() || box.backColor() != colors::cyan)
            continue;
        const std::string text = box.text().toStdString();
        const navtext::TextNumber n = navtext::textToNumber(text);
        if (n.overflow || !finite(n.value) || n.value < r.lo || n.value > r.hi)
            fail(w, QStringLiteral("%1 shows \"%2\", outside %3 to %4").arg(box.qualifiedName(), box.text()).arg(r.lo).arg(r.hi),
                 typed);
    }

    if (!stopped)
        return;
    const Typed now = typedState(f, w);
    for (size_t i = 0; i < typed.texts.size(); ++i)
        if (now.texts[i] != typed.texts[i])
            fail(w, QStringLiteral("the typed \"%1\" became \"%2\"").arg(typed.texts[i], now.texts[i]), typed);
    if (now.options != typed.options || now.checks != typed.checks)
        fail(w, QStringLiteral("a failed calculation changed an option or check box"), typed);
}

/// Splits the input into lines; a missing last line reads as empty.
std::vector<QString> lines(const uint8_t* data, size_t size)
{
    const QString all = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<QString> out;
    for (const QString& l : all.split(u'\n'))
        out.push_back(l);
    return out;
}

}  // namespace

int fuzzWindow(const WindowUnderTest& w, const uint8_t* data, size_t size)
{
    Harness& h = harness();
    Form& f = h.open(w);
    Harness::button(f, {w.clear}).click();
    h.messages.texts.clear();

    const std::vector<QString> in = lines(data, size);
    const size_t perRound = w.entries.size() + 1;
    constexpr size_t maxRounds = 4;
    for (size_t round = 0; round < maxRounds && round * perRound < in.size(); ++round) {
        const size_t at = round * perRound;
        for (size_t i = 0; i < w.entries.size(); ++i)
            Harness::as<TextBox>(f, w.entries[i]).setText(at + i < in.size() ? in[at + i] : QString());
        const QString states = at + w.entries.size() < in.size() ? in[at + w.entries.size()] : QString();
        qsizetype k = 0;
        auto next = [&] { return k < states.size() ? states[k++] : QChar(); };
        for (const auto& [first, second] : w.optionPairs) {
            const QChar c = next();
            auto& a = Harness::as<OptionButton>(f, {first});
            auto& b = Harness::as<OptionButton>(f, {second});
            a.setValue(c == u'N');
            b.setValue(c == u'S');
        }
        for (const QString& name : w.checkBoxes)
            Harness::as<CheckBox>(f, {name}).setValue(next() == u'1' ? 1 : 0);

        const Typed typed = typedState(f, w);
        const size_t before = h.messages.texts.size();
        Harness::button(f, {w.calculate}).click();
        // What the calculation posted, the window's repaint above all, is
        // delivered as the event loop would.
        QCoreApplication::sendPostedEvents();
        bool stopped = false;
        for (size_t i = before; i < h.messages.texts.size(); ++i)
            stopped = stopped || std::find(w.warnings.begin(), w.warnings.end(), h.messages.texts[i]) == w.warnings.end();
        checkInvariants(f, w, typed, stopped);
    }
    return 0;
}

}  // namespace morvel::fuzz
