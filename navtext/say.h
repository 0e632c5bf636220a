/// \file say.h
/// \brief The plain libraries' messages in the reader's language, without
/// Qt. A message is written once, in English, as a phrase marked for the
/// translators' tools (lupdate finds MORVEL_TR as Qt's QT_TRANSLATE_NOOP):
///
///   say(MORVEL_TR("sightlog", "no body %1; did you mean %2?"), quoted(name), guess)
///
/// Each %1 to %9 takes the argument of its number, in one pass: a typed
/// text holding "%1" stays as typed. With no translator set, as in
/// morvel-solve, whose output programs read, every message is English; the
/// windows set one that looks the phrase up in the language loaded.
///
/// A message built of parts says each part through say() too, so every
/// part reads in the same language. Code never looks inside a message's
/// words: what it needs to know goes beside the message as a value.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace morvel::navtext {

/// A message's English and the part of the program it belongs to (the
/// translators' context: "navtext", "sightlog", "compass"...).
struct Phrase {
    const char* context;
    const char* english;
};

/// Marks an English phrase for translation; lupdate takes it with
/// -tr-function-alias QT_TRANSLATE_NOOP+=MORVEL_TR.
#define MORVEL_TR(context, english) (::morvel::navtext::Phrase{context, english})

/// Looks a phrase up in the reader's language; null for the English.
using Translator = std::string (*)(const char* context, const char* english);

/// Sets the translator for the whole program (at start, before any thread
/// says anything); null goes back to English.
void setTranslator(Translator translator);

/// The phrase in the reader's language, %1 to %9 filled in.
std::string say(Phrase phrase, std::initializer_list<std::string_view> args = {});

}  // namespace morvel::navtext
