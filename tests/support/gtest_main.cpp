// The main of the rules tests: every test starts from a fresh process state
// in a folder of its own, which goes with it.

#include "support/freshprocess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FreshProcessForEachTest final : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override {
        folder_ = std::make_unique<QTemporaryDir>();
        resetProcessState(folder_->path());
    }
    void OnTestEnd(const testing::TestInfo &) override {
        resetProcessState();
        folder_.reset();
    }
    std::unique_ptr<QTemporaryDir> folder_;
};

} // namespace

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshProcessForEachTest);
    return RUN_ALL_TESTS();
}
