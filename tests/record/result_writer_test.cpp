// The result writer: every text comes back unchanged through a JSON
// parser, whatever its length and wherever a byte that needs escaping sits.
#include "record/output_buffer.h"
#include "record/result_writer.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

using namespace haberes::record;

namespace {

QString errorOf(const std::string& line)
{
    QJsonParseError e;
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(line), &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << line;
    return d.object().value("error").toString();
}

} // namespace

TEST(ResultJson, TextsOfEveryLengthWithAnySpecialByteAnywhere)
{
    const std::string specials[] = {"\"", "\\", "\n", "\t", "\x01", "\x1f", "\x7f", "ñ", "€", " "};
    for (std::size_t length = 0; length <= 40; ++length) {
        const std::string plain(length, 'x');
        ASSERT_EQ(errorOf(malformedJson(std::nullopt, plain)), QString::fromStdString(plain));
        for (const std::string& special : specials)
            for (std::size_t at = 0; at < length; ++at) {
                const std::string text = plain.substr(0, at) + special + plain.substr(at);
                ASSERT_EQ(errorOf(malformedJson(std::nullopt, text)), QString::fromStdString(text))
                    << length << " " << at;
            }
    }
}

TEST(ResultJson, AppendsAfterWhatIsBufferedAndGrowsAsNeeded)
{
    OutputBuffer out;
    out.append("start\n");
    const std::string huge(300000, '"'); // twice as long escaped: the buffer grows mid-text
    writeMalformedJson(out, std::string("clave"), huge);
    writeMalformedJson(out, std::nullopt, "fin");
    const std::string_view all = out.view();
    ASSERT_TRUE(all.starts_with("start\n{\"ok\": false, \"field\": \"clave\", \"error\": \"\\\"\\\""));
    EXPECT_TRUE(all.ends_with("{\"ok\": false, \"field\": null, \"error\": \"fin\"}"));
    EXPECT_EQ(all.size(), 6 + (42 + 2 * huge.size() + 2) + 44);
}
