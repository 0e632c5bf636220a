#include "engine/state.h"

#include <cmath>

namespace morvel::engine {

void msgbox(const std::string& text)
{
    if (messages)
        messages->show(text);
}

void setup(int16_t form)
{
    pi = 4 * std::atan(1.0);
    deg = pi / 180;
    if (windowFactory)
        for (int i = 1; i <= 3; ++i)
            forms[i] = windowFactory(i);
    actform = form;
    calcflag = 0;
    ticks = 0;
    mdset = 0;
}

CalcWindow* form(int i)
{
    return (i >= 0 && i < int(forms.size())) ? forms[i] : nullptr;
}

}  // namespace morvel::engine
