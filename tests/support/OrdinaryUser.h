// File permissions as an engineer's own account meets them. Root passes
// every permission check, so a read-only file or folder would prove nothing
// when the tests run as root (as they do on the build machine). There this
// hands the given folder to the user "nobody" and takes that user's ids until
// the object goes; the saved user id stays root, so the ids can be taken
// back. As any other user it changes nothing.
#pragma once

#include <ftw.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <vector>

class OrdinaryUser {
 public:
  explicit OrdinaryUser(const QString& folder) {
    if (geteuid() != 0) return;
    wasRoot_ = true;
    const QByteArray path = QFile::encodeName(folder);
    EXPECT_EQ(nftw(path.constData(), &OrdinaryUser::HandOver, 16, FTW_PHYS), 0) << "chown " << path.constData();
    groups_.resize(static_cast<size_t>(getgroups(0, nullptr)));
    if (!groups_.empty()) getgroups(static_cast<int>(groups_.size()), groups_.data());
    active_ = setgroups(0, nullptr) == 0 && setresgid(kNobody, kNobody, 0) == 0 &&
              setresuid(kNobody, kNobody, 0) == 0;
    EXPECT_TRUE(active_) << "could not take the ids of nobody";
  }

  // Back to root also when only part of the change of ids went through.
  ~OrdinaryUser() {
    if (!wasRoot_) return;
    EXPECT_EQ(setresuid(0, 0, 0), 0);
    EXPECT_EQ(setresgid(0, 0, 0), 0);
    setgroups(groups_.size(), groups_.data());
  }

  OrdinaryUser(const OrdinaryUser&) = delete;
  OrdinaryUser& operator=(const OrdinaryUser&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;

  static int HandOver(const char* path, const struct stat*, int, struct FTW*) {
    return lchown(path, kNobody, kNobody);
  }

  bool wasRoot_ = false;
  bool active_ = false;
  std::vector<gid_t> groups_;
};
