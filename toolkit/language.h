/// \file language.h
/// \brief The navigator's language: Morvel's own translations and Qt's for
/// its dialogs, chosen by the system locale; the calculators' captions and
/// messages, whose English texts are the source texts, translated where
/// they are shown.
///
/// Numbers are read and written with a decimal point in every language:
/// the number formatting stays the C locale's whatever the language.
#pragma once

#include <QLocale>
#include <QString>

namespace morvel::toolkit {

/// The translation context of the calculators' and main menu's texts (the
/// captions of their controls, their windows' titles and their messages).
inline constexpr char formContext[] = "Calculator";

/// Installs the translations of locale's language, Morvel's from folder
/// (by default where the program's package put them) and Qt's own, and
/// has the plain libraries' messages said in it; English needs only its
/// plurals ("1 row", "2 rows"). Returns false for English and when Morvel
/// has no translation for the language.
bool loadTranslations(const QLocale& locale = QLocale::system(), const QString& folder = {});

/// The language of the translations loaded ("fr", "de", "es"), empty for
/// English: the manual is shown in it where it has been written in it.
QString languageCode();

/// Numbers keep their decimal point whatever the user's language: the
/// windows and the libraries read and write "12.5", never "12,5". Part of
/// initialise().
void keepDecimalPoint();

/// A calculator's text as the user reads it: its translation, or the
/// English text itself when there is none.
QString shown(const QString& english);

}  // namespace morvel::toolkit
