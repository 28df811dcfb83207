#pragma once

namespace zemtar {

// The user-interface language. The application decides it once at start-up and hands it
// to every function that produces or reads a user-visible text.
enum class Language { English, Chinese };

} // namespace zemtar
