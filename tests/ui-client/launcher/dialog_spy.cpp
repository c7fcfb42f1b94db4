// Preloaded into the installed launcher by the tests: notes every title and
// label text the program gives its windows, one line each in the file named
// by ORVANTA_DIALOG_SPY ("title: ..." / "label: ..."), then lets Qt do its work.
// The launcher's calls reach these through the dynamic linker, since Qt is a
// shared library; nothing of the launcher is changed.
#include <QProgressDialog>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <mutex>

namespace {

void note(const char *what, const QString &text)
{
    static std::mutex lock;
    const char *path = std::getenv("ORVANTA_DIALOG_SPY");
    if (path == nullptr)
        return;
    std::lock_guard<std::mutex> guard(lock);
    if (FILE *f = std::fopen(path, "a")) {
        std::fprintf(f, "%s: %s\n", what, text.toUtf8().constData());
        std::fclose(f);
    }
}

template <typename Fn> Fn next_definition(const char *symbol)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, symbol));
}

} // namespace

void QWidget::setWindowTitle(const QString &title)
{
    note("title", title);
    static const auto real = next_definition<void (*)(QWidget *, const QString &)>(
        "_ZN7QWidget14setWindowTitleERK7QString");
    real(this, title);
}

void QProgressDialog::setLabelText(const QString &text)
{
    note("label", text);
    static const auto real = next_definition<void (*)(QProgressDialog *, const QString &)>(
        "_ZN15QProgressDialog12setLabelTextERK7QString");
    real(this, text);
}
