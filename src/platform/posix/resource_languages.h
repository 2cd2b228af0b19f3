// How a resource's language is chosen for the process's locale, as Windows
// chooses it for the user's language. Internal to the platform layer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace posix::detail {

// The primary languages the locale asks for, most wanted first: those of the
// pinned locale when one is set (SetResourceLocale), else of the environment.
std::vector<WORD> WantedLanguages();

// Which of a resource's languages to take: the index into languages, which
// is not empty.
size_t ChooseLanguage(const std::vector<WORD>& languages, const std::vector<WORD>& wanted);

}  // namespace posix::detail
