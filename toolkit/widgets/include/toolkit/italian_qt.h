// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Qt's own texts (standard buttons, the input and file dialogs, a text box's menu) in
// Italian, like everything else both programs show.

namespace toolkit {

// Installs Qt's Italian translation into the running application and makes Italian the
// default locale. Returns whether the translation was found and installed; a second call
// keeps the first one and answers the same.
bool installItalianQtTexts();

}  // namespace toolkit
