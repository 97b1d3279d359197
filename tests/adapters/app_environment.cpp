// One QApplication for the whole test run, created before the first test.
#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class AppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_adapters";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const auto *const registered = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
