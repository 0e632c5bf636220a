/// \file headless.h
/// \brief The application a GUI benchmark runs in: Qt's offscreen platform
/// unless QT_QPA_PLATFORM names another, with the toolkit set up.
#pragma once

#include "toolkit/form.h"

#include <QApplication>

#include <memory>

namespace morvel::bench {

inline std::unique_ptr<QApplication> headlessApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    toolkit::initialise();
    return app;
}

}  // namespace morvel::bench
