#include "tests/runner/scenario.h"

#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace morvel::scenario {

using namespace toolkit;

namespace {

/// A failed command: "expected ..., got ...".
struct Failure : std::runtime_error {
    Failure(const QString& expected, const QString& got)
        : std::runtime_error(QStringLiteral("expected %1, got %2").arg(expected, got).toStdString())
    {
    }
};

QString quoted(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'"' || c == u'\\')
            out += QStringLiteral("\\") + c;
        else
            out += c;
    }
    return out + u'"';
}

QString number(double v)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, res.ptr - buf);
}

QString hex(uint32_t c) { return QStringLiteral("0x%1").arg(c, 8, 16, QChar(u'0')).toUpper().replace(u'X', u'x'); }

/// Splits a line into words; a double-quoted word may hold blanks and the
/// escapes \" and \\, and \r and \n for a carriage return and a line feed
/// (any other backslash stands for itself).
QStringList words(const QString& line)
{
    QStringList out;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        if (line[i] == u'#')
            break;
        if (line[i] == u'"') {
            QString s = QStringLiteral("\"");
            ++i;
            bool closed = false;
            while (i < line.size()) {
                QChar c = line[i++];
                if (c == u'\\' && i < line.size() && (line[i] == u'"' || line[i] == u'\\')) {
                    s += line[i++];
                } else if (c == u'\\' && i < line.size() && (line[i] == u'r' || line[i] == u'n')) {
                    s += line[i++] == u'r' ? u'\r' : u'\n';
                } else if (c == u'"') {
                    closed = true;
                    break;
                } else {
                    s += c;
                }
            }
            if (!closed)
                throw Failure(QStringLiteral("a closing quote"), QStringLiteral("end of line"));
            out << s;
            continue;
        }
        qsizetype j = i;
        while (j < line.size() && !line[j].isSpace())
            ++j;
        out << line.mid(i, j - i);
        i = j;
    }
    return out;
}

bool isString(const QString& word) { return word.startsWith(u'"'); }

QString stringArg(const QString& word)
{
    if (!isString(word))
        throw Failure(QStringLiteral("a double-quoted string"), word);
    return word.mid(1);
}

/// Renders a property value in the scenario notation.
QString render(const QVariant& v, bool isColor)
{
    if (isColor)
        return hex(v.value<uint32_t>());
    switch (v.typeId()) {
    case QMetaType::QString: return quoted(v.toString());
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Double: return number(v.toDouble());
    default: return v.toString();
    }
}

bool isColorProperty(const QString& prop)
{
    return prop == u"BackColor" || prop == u"ForeColor" || prop == u"BorderColor";
}

class Run {
public:
    Run(const QString& path, QTextStream& out) : path_(path), out_(out)
    {
        services().messages = &messages_;
        services().printer = &printer_;
        services().quitter = &quit_;
        Timer::setManual(true);
        program_.start();
    }

    ~Run()
    {
        services() = Services{};
        Timer::setManual(false);
    }

    bool run()
    {
        QFile f(path_);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            out_ << path_ << ":0: expected a readable file, got " << f.errorString() << Qt::endl;
            return false;
        }
        const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
        int lineNo = 0;
        try {
            for (const QString& line : lines) {
                ++lineNo;
                QStringList w = words(line);
                if (!w.isEmpty())
                    command(w);
            }
            if (unread_ < messages_.texts.size())
                throw Failure(QStringLiteral("no unread message"), quoted(messages_.texts[unread_]));
        } catch (const Failure& e) {
            out_ << path_ << ':' << lineNo << ": " << QString::fromStdString(e.what()) << Qt::endl;
            return false;
        }
        return true;
    }

private:
    void command(const QStringList& w)
    {
        const QString& cmd = w[0];
        if (cmd == u"click") return click(args(w, 1));
        if (cmd == u"type") return type(args(w, 2));
        if (cmd == u"key") return key(args(w, 2));
        if (cmd == u"expect") return expect(w);
        if (cmd == u"print") return print(args(w, 1));
        if (cmd == u"messages") return listMessages(args(w, 0));
        if (cmd == u"tick") return tick(w);
        if (cmd == u"snapshot") return snapshot(args(w, 2));
        throw Failure(QStringLiteral("a command"), quoted(cmd));
    }

    static QStringList args(const QStringList& w, int n)
    {
        if (w.size() != n + 1)
            throw Failure(QStringLiteral("%1 argument(s) to %2").arg(n).arg(w[0]), QString::number(w.size() - 1));
        return w.mid(1);
    }

    Form& window(const QString& name)
    {
        if (Form* f = program_.window(name))
            return *f;
        throw Failure(QStringLiteral("a window name"), quoted(name));
    }

    /// "txtDeg(3)" -> name and index.
    static std::pair<QString, int> controlName(const QString& s)
    {
        const qsizetype open = s.indexOf(u'(');
        if (open < 0)
            return {s, -1};
        bool ok = false;
        const int index = s.mid(open + 1, s.size() - open - 2).toInt(&ok);
        if (!ok || !s.endsWith(u')'))
            throw Failure(QStringLiteral("a control name"), quoted(s));
        return {s.left(open), index};
    }

    Control& control(Form& form, const QString& written)
    {
        auto [name, index] = controlName(written);
        if (Control* c = form.find(name, index))
            return *c;
        throw Failure(QStringLiteral("a control of %1").arg(form.name()), quoted(written));
    }

    /// WIN.CTRL
    Control& target(const QString& path)
    {
        const QStringList parts = path.split(u'.');
        if (parts.size() != 2)
            throw Failure(QStringLiteral("WIN.CTRL"), quoted(path));
        return control(window(parts[0]), parts[1]);
    }

    void requireUsable(Control& c, const QString& path)
    {
        if (!c.form().isVisible())
            throw Failure(QStringLiteral("%1 on a shown window").arg(path), QStringLiteral("window hidden"));
        if (!c.showing())
            throw Failure(QStringLiteral("%1 visible").arg(path), QStringLiteral("hidden"));
        if (!c.enabled())
            throw Failure(QStringLiteral("%1 enabled").arg(path), QStringLiteral("disabled"));
    }

    void click(const QStringList& a)
    {
        Control& c = target(a[0]);
        auto* b = dynamic_cast<ButtonControl*>(&c);
        if (!b)
            throw Failure(QStringLiteral("a button, option button or check box"), quoted(a[0]));
        requireUsable(c, a[0]);
        b->setFocus();
        b->click();
    }

    void type(const QStringList& a)
    {
        Control& c = target(a[0]);
        auto* box = dynamic_cast<TextBox*>(&c);
        if (!box)
            throw Failure(QStringLiteral("a text box"), quoted(a[0]));
        requireUsable(c, a[0]);
        const QString text = stringArg(a[1]);
        QLineEdit* edit = box->lineEdit();
        box->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        for (char32_t c : text.toUcs4())
            typeCharacter(edit, c);
    }

    /// One character as the user enters it: a key of the keyboard for
    /// printable ASCII, a key event carrying the character for any other
    /// printable one (as an input method sends it), and a paste for the rest
    /// (a tab would move the focus if it were pressed).
    static void typeCharacter(QLineEdit* edit, char32_t c)
    {
        const QString text = QString::fromUcs4(&c, 1);
        if (c >= 0x20 && c < 0x7F)
            QTest::keyClick(edit, char(c));
        else if (QChar::isPrint(c))
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
        else
            edit->insert(text);
    }

    void key(const QStringList& a)
    {
        Form& f = window(a[0]);
        if (!f.isVisible())
            throw Failure(QStringLiteral("%1 shown").arg(a[0]), QStringLiteral("hidden"));
        QWidget* where = f.focusWidget() ? f.focusWidget() : &f;
        const QString& k = a[1];
        if (k == u"Return") return QTest::keyClick(where, Qt::Key_Return);
        if (k == u"Tab") return QTest::keyClick(where, Qt::Key_Tab);
        if (k == u"Escape") return QTest::keyClick(where, Qt::Key_Escape);
        if (k.size() == 5 && k.startsWith(u"Alt+") && k[4].isLetterOrNumber()) {
            const QChar letter = k[4].toUpper();
            return QTest::keyClick(where, Qt::Key(letter.unicode()), Qt::AltModifier);
        }
        throw Failure(QStringLiteral("Return, Tab, Escape or Alt+X"), quoted(k));
    }

    /// The value of WIN.CTRL.PROP or WIN.PROP.
    QVariant value(const QString& path, QString* propOut)
    {
        const QStringList parts = path.split(u'.');
        if (parts.size() == 2) {
            Form& f = window(parts[0]);
            const QString& p = parts[1];
            *propOut = p;
            if (p == u"Visible") return f.isVisible();
            if (p == u"Caption") return f.caption();
            if (p == u"Width") return f.widthTwips();
            if (p == u"Height") return f.heightTwips();
            if (p == u"BackColor") return QVariant::fromValue(f.backColor());
            throw Failure(QStringLiteral("a window property"), quoted(p));
        }
        if (parts.size() != 3)
            throw Failure(QStringLiteral("WIN.CTRL.PROP or WIN.PROP"), quoted(path));
        Control& c = control(window(parts[0]), parts[1]);
        *propOut = parts[2];
        QVariant v = c.property(parts[2]);
        if (!v.isValid())
            throw Failure(QStringLiteral("a property of %1").arg(parts[1]), quoted(parts[2]));
        return v;
    }

    void expect(const QStringList& w)
    {
        if (w.size() >= 2 && w[1] == u"focus") {
            const QStringList a = args(w, 2).mid(1);
            Control& c = target(a[0]);
            if (!c.hasFocus()) {
                Control* f = c.form().focusedControl();
                throw Failure(QStringLiteral("focus on %1").arg(a[0]),
                              f ? QStringLiteral("focus on %1").arg(f->qualifiedName()) : QStringLiteral("no control focused"));
            }
            return;
        }
        if (w.size() >= 2 && w[1] == u"message") {
            const QString text = stringArg(args(w, 2)[1]);
            if (unread_ >= messages_.texts.size())
                throw Failure(QStringLiteral("message %1").arg(quoted(text)), QStringLiteral("no message"));
            const QString got = messages_.texts[unread_++];
            if (got != text)
                throw Failure(QStringLiteral("message %1").arg(quoted(text)), quoted(got));
            return;
        }
        if (w.size() >= 3 && w[1] == u"no" && w[2] == u"message") {
            args(w, 2);
            if (unread_ < messages_.texts.size())
                throw Failure(QStringLiteral("no message"), quoted(messages_.texts[unread_]));
            return;
        }
        const QStringList a = args(w, 2);
        QString prop;
        const QVariant got = value(a[0], &prop);
        const QString& want = a[1];
        if (!matches(got, want, isColorProperty(prop)))
            throw Failure(QStringLiteral("%1 %2").arg(a[0], isString(want) ? quoted(stringArg(want)) : want),
                          render(got, isColorProperty(prop)));
    }

    static bool matches(const QVariant& got, const QString& want, bool isColor)
    {
        if (isColor) {
            bool ok = false;
            const uint32_t c = want.startsWith(QStringLiteral("0x")) ? want.mid(2).toUInt(&ok, 16) : 0;
            if (!ok)
                throw Failure(QStringLiteral("a 0x colour"), want);
            return got.value<uint32_t>() == c;
        }
        switch (got.typeId()) {
        case QMetaType::QString:
            return isString(want) && stringArg(want) == got.toString();
        case QMetaType::Bool:
            if (want != u"true" && want != u"false")
                throw Failure(QStringLiteral("true or false"), want);
            return got.toBool() == (want == u"true");
        case QMetaType::Double: {
            bool ok = false;
            const double w = want.toDouble(&ok);
            if (!ok)
                throw Failure(QStringLiteral("a number"), want);
            return std::fabs(got.toDouble() - w) <= 1.0;  // positions: within a twip
        }
        default: {
            bool ok = false;
            const int w = want.toInt(&ok);
            if (!ok)
                throw Failure(QStringLiteral("an integer"), want);
            return got.toInt() == w;
        }
        }
    }

    void print(const QStringList& a)
    {
        QString prop;
        const QVariant v = value(a[0], &prop);
        out_ << a[0] << " = " << render(v, isColorProperty(prop)) << Qt::endl;
    }

    void listMessages(const QStringList&)
    {
        while (unread_ < messages_.texts.size())
            out_ << "message: " << quoted(messages_.texts[unread_++]) << Qt::endl;
    }

    void tick(const QStringList& w)
    {
        if (w.size() != 2 && w.size() != 3)
            throw Failure(QStringLiteral("tick WIN.TIMER [N]"), w.join(u' '));
        auto* t = dynamic_cast<Timer*>(&target(w[1]));
        if (!t)
            throw Failure(QStringLiteral("a timer"), quoted(w[1]));
        bool ok = true;
        const int n = w.size() == 3 ? w[2].toInt(&ok) : 1;
        if (!ok || n < 0)
            throw Failure(QStringLiteral("a count"), w[2]);
        // Between ticks the event loop delivers what a tick posted (repaints
        // above all), as it does in a real run.
        for (int i = 0; i < n && t->enabled(); ++i) {
            t->fire();
            QCoreApplication::sendPostedEvents();
        }
    }

    void snapshot(const QStringList& a)
    {
        Form& f = window(a[0]);
        const QImage img = f.image();
        if (img.isNull() || !img.save(a[1]))
            throw Failure(QStringLiteral("%1 written").arg(a[1]), QStringLiteral("no file"));
    }

    /// Ends the program as "&Quit" does: every window closes.
    class Quit : public QuitService {
    public:
        explicit Quit(shell::Program& p) : program_(p) {}
        void quit() override
        {
            for (const char* name : {"morvelf", "locddf", "locdmf", "gcsf"})
                if (Form* f = program_.existing(QString::fromLatin1(name)))
                    f->hide();
        }

    private:
        shell::Program& program_;
    };

    QString path_;
    QTextStream& out_;
    RecordingMessageBox messages_;
    RecordingPrinter printer_;
    shell::Program program_;
    Quit quit_{program_};
    size_t unread_ = 0;
};

}  // namespace

bool runFile(const QString& path, QTextStream& out)
{
    Run run(path, out);
    return run.run();
}

}  // namespace morvel::scenario
