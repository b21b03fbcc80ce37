#include "tests/util/Unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "tests/support/TestEnvironment.h"

namespace test {

namespace {

void giveTo(const QString& path, uid_t uid, gid_t gid) {
    const QByteArray name = QFile::encodeName(path);
    if (::chown(name.constData(), uid, gid) != 0)
        ::perror("chown");
}

}  // namespace

int RunUnprivileged(const std::function<int()>& body) {
    const TestEnvironment& environment = TestEnvironment::instance();
    const passwd* nobody = ::getpwnam("nobody");
    const bool dropping = ::geteuid() == 0;
    if (dropping && !nobody)
        return kCannotDrop;
    ::chmod(QFile::encodeName(environment.root()).constData(), 0755);
    if (dropping)
        giveTo(environment.userDir(), nobody->pw_uid, nobody->pw_gid);

    const pid_t child = ::fork();
    if (child == 0) {
        if (dropping && (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                         ::setuid(nobody->pw_uid) != 0))
            ::_exit(kCannotDrop);
        int result = kCrashed;
        try {
            result = body();
        } catch (...) {
        }
        ::_exit(result);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return kCrashed;
    return WEXITSTATUS(status);
}

}  // namespace test
