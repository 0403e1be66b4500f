// Numbers read and written the same way under a comma-decimal locale, as a
// German or French desktop sets it for every program.

#include "support/appfixture.h"

#include <clocale>

namespace {

class CommaLocale : public AppFixture
{
protected:
    void SetUp() override
    {
        // The run sets LC_ALL to a comma-decimal locale, which the program
        // takes from the environment as Qt applications do; make sure it took.
        std::setlocale(LC_ALL, "");
        ASSERT_STREQ(std::localeconv()->decimal_point, ",") << std::setlocale(LC_ALL, nullptr);
        ASSERT_TRUE(app.files().seedShippedFiles());
        app.Form_Load();
    }
};

TEST_F(CommaLocale, CalculationGridAndSavedInputsUseThePoint)
{
    quantities("0", "70", "22", "0");
    f.Label11.text = "2.5";
    press(ControlId::Command1);
    EXPECT_EQ(f.Label9.text, "7.95455");
    EXPECT_TRUE(dir.bytes("GIA.DAT").contains("\r\n7.95455\r\n"));

    ranges("75", "15", "20", "15");
    press(ControlId::Command29);
    EXPECT_EQ(cellText(1, 1), "9.375");
}

} // namespace
