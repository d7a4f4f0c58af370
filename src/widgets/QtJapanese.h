// Qt's own texts in Japanese: the context menu of a field (元に戻す, コピー,
// 貼り付け, ...) and the standard buttons (キャンセル, ...), from Debian's
// qt6-translations-l10n. The window's own texts are Japanese already.
#pragma once

class QCoreApplication;

// Installs the translation into the application; false when the
// translation files are not there (Qt's texts then stay English).
bool LoadQtJapanese(QCoreApplication& app);
