// The language options dialog ("Language Configuration"): the fields of each language, the
// colour and printer typeface of each syntax item, and adding and deleting languages.
#pragma once

namespace zped {

class EditorSession;

// The LanguageOptions command: OK replaces the session's languages; 0 then, 1 when cancelled.
int run_language_dialog(EditorSession& session);

} // namespace zped
