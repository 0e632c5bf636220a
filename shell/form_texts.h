/// \file form_texts.h
/// \brief Every English text the calculators and the main menu show (their
/// captions, titles, status boxes and messages, and the engine's), the
/// source texts of their translations.
///
/// The windows keep their English texts, which their scenarios know; the
/// toolkit translates each where it is shown (toolkit/language.h). This
/// list is where lupdate finds them. The meridian diagram's letters (Z, N,
/// S, Pn, Ps, Q, Q', Na) are the navigators' and stay as they are.
#pragma once

#include <span>

namespace morvel::shell {

std::span<const char* const> formTexts();

}  // namespace morvel::shell
