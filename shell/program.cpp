#include "shell/program.h"

#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "compasswin/compass_window.h"
#include "gcs/gcs_window.h"
#include "shell/main_menu.h"
#include "sightwin/sight_document.h"
#include "sightwin/sight_window.h"
#include "toolkit/palette.h"
#include "toolkit/services.h"

namespace morvel::shell {

/// The engine's messages go to the program's message box.
class Program::EngineMessages : public engine::MessageService {
public:
    void show(const std::string& text) override
    {
        if (auto* box = toolkit::services().messages)
            box->show(QString::fromStdString(text));
    }
};

Program::Program() : messages_(std::make_unique<EngineMessages>())
{
    // A fresh run: no window registered, nothing solved.
    engine::forms.fill(nullptr);
    engine::actform = 0;
    engine::nout = 0;
    engine::mdset = engine::calcflag = engine::ticks = 0;
    engine::lat1 = engine::lat2 = engine::lha1 = engine::lha2 = engine::dec1 = engine::dec2 = 0;
    engine::alt1 = engine::alt2 = engine::az1 = engine::az2 = 0;
    engine::messages = messages_.get();
    engine::windowFactory = [this](int i) -> engine::CalcWindow* {
        switch (i) {
        case 1: return &locddf();
        case 2: return &locdmf();
        case 3: return &gcsf();
        default: return nullptr;
        }
    };
    // Automatic palettes go by the Sun at the sight log's last DR.
    toolkit::Palettes::instance().sunAltitude = [] {
        return sightwin::SightDocument::sunAltitudeAtDr(toolkit::services().clock());
    };
}

Program::~Program()
{
    engine::windowFactory = nullptr;
    engine::messages = nullptr;
    engine::forms.fill(nullptr);
    engine::actform = 0;
    // Calculators first: their handlers may reach the others.
    compass_.reset();
    sight_.reset();
    gcsf_.reset();
    locdmf_.reset();
    locddf_.reset();
    morvelf_.reset();
}

Morvelf& Program::morvelf()
{
    if (!morvelf_)
        morvelf_ = std::make_unique<Morvelf>(*this);
    return *morvelf_;
}

calc::Locddf& Program::locddf()
{
    if (!locddf_)
        locddf_ = std::make_unique<calc::Locddf>();
    return *locddf_;
}

calc::Locdmf& Program::locdmf()
{
    if (!locdmf_)
        locdmf_ = std::make_unique<calc::Locdmf>();
    return *locdmf_;
}

gcs::Gcsf& Program::gcsf()
{
    if (!gcsf_)
        gcsf_ = std::make_unique<gcs::Gcsf>();
    return *gcsf_;
}

sightwin::SightWindow& Program::sight()
{
    if (!sight_) {
        sight_ = std::make_unique<sightwin::SightWindow>();
        QObject::connect(sight_.get(), &sightwin::SightWindow::closed, [this] { morvelf().showForm(); });
        sight_->offerRecovery();
    }
    return *sight_;
}

compasswin::CompassWindow& Program::compass()
{
    if (!compass_) {
        compass_ = std::make_unique<compasswin::CompassWindow>();
        QObject::connect(compass_.get(), &compasswin::CompassWindow::closed, [this] { morvelf().showForm(); });
        compass_->offerRecovery();
    }
    return *compass_;
}

toolkit::Form* Program::window(const QString& name)
{
    if (name == u"morvelf") return &morvelf();
    if (name == u"locddf") return &locddf();
    if (name == u"locdmf") return &locdmf();
    if (name == u"gcsf") return &gcsf();
    return nullptr;
}

toolkit::Form* Program::existing(const QString& name) const
{
    if (name == u"morvelf") return morvelf_.get();
    if (name == u"locddf") return locddf_.get();
    if (name == u"locdmf") return locdmf_.get();
    if (name == u"gcsf") return gcsf_.get();
    return nullptr;
}

void Program::start()
{
    morvelf().showForm();
}

}  // namespace morvel::shell
