#include "engine/state.h"

#include "engine/angles.h"

namespace morvel::engine {

void msgbox(const std::string& text)
{
    if (messages)
        messages->show(text);
}

void setup(int16_t form)
{
    pi = math::pi;
    deg = math::degree;
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
