#include "json/json_document.h"

#include "support/utf8.h"

#include <gtest/gtest.h>

namespace {

JsonDocument parsed(const std::string& text)
{
    JsonDocument doc;
    doc.parse(text);
    return doc;
}

const char* kSample = R"({"code":1,"pi":3.14159265358979,"big":1e21,"tiny":0.000001,"s":"text","t":true,"n":null,
    "obj":{"a":1,"b":[10,20]},"arr":[{"x":1},{"x":2}],"empty":[],"frac":1.5,"neg":-2.7,"str_num":" 12.5 "})";

}  // namespace

TEST(JsonDocument, ParseResults)
{
    struct Case {
        std::string text;
        bool ok;
    } cases[] = {
        {"{}", true}, {"[]", true},      {"null", false}, {"", false},        {"{\"a\":", false},
        {"42", true}, {"\"s\"", true},   {"{a:1}", false}, {"{'a':1}", false}, {"[1,]", false},
        {"{\"code\":(function(){return 1})()}", false},
        {"alert(1)", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JsonDocument().parse(c.text), c.ok) << c.text;
}

TEST(JsonDocument, TextsAndNumbers)
{
    JsonDocument doc = parsed(kSample);
    struct Case {
        const char* path;
        std::string text;
        double number;
    } cases[] = {
        {"code", "1", 1},
        {"pi", "3.14159265359", 3.14159265358979},  // "%.13g"
        {"big", "1e+21", 1e21},
        {"frac", "1.5", 1.5},
        {"neg", "-2.7", -2.7},
        {"s", "text", 0},
        {"str_num", " 12.5 ", 12.5},  // a numeric string converts
        {"missing", "", 0},
        {"n", "", 0},
        {"obj.a", "1", 1},
        {"obj.b[1]", "20", 20},
        {"arr[1].x", "2", 2},
        {"t", "true", -1},  // a variant's true
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.getText(c.path, false), c.text) << c.path;
        EXPECT_DOUBLE_EQ(doc.getNumber(c.path), c.number) << c.path;
    }
    // A path beginning with a bracket reads an element directly.
    EXPECT_EQ(parsed("[5,6]").getText("[1]", false), "6");
    EXPECT_EQ(parsed("[5,6]").getNumber("[1]"), 0);  // "value.[1]" is no expression
}

TEST(JsonDocument, JsonTextAsAScriptEngineWritesIt)
{
    JsonDocument doc = parsed(R"({"data":{"k": "v\"q", "n": [1.0, 2.50, 1e21, 1e-7, 123456789012, 0.1], "z": null}})");
    EXPECT_EQ(doc.getJson("data"), R"({"k":"v\"q","n":[1,2.5,1e+21,1e-7,123456789012,0.1],"z":null})");
    EXPECT_EQ(doc.getText("data", true), doc.getJson("data"));
    EXPECT_EQ(doc.getJson("missing"), "");
    EXPECT_EQ(parsed(R"({"c":"\u0001\n"})").toJson(), R"({"c":"\u0001\n"})");
}

TEST(JsonDocument, Counts)
{
    JsonDocument doc = parsed(kSample);
    EXPECT_EQ(parsed(R"({"a":1,"b":2,"c":3})").count(""), 3);
    EXPECT_EQ(parsed("[1,2]").count(""), 2);
    EXPECT_EQ(parsed("[]").count(""), 0);
    EXPECT_EQ(doc.count("arr"), 2);
    EXPECT_EQ(doc.count("empty"), 0);
    EXPECT_EQ(doc.count("obj"), 2);
    EXPECT_LT(doc.count("missing"), 0);
    EXPECT_LT(doc.count("n"), 0);
    EXPECT_EQ(doc.count("missing.deeper"), 0);  // an error, not a list
}

TEST(JsonDocument, TypeOf)
{
    JsonDocument doc = parsed(kSample);
    EXPECT_EQ(doc.typeOf("missing"), ValueKind::Missing);
    EXPECT_EQ(doc.typeOf("n"), ValueKind::Missing);
    EXPECT_EQ(doc.typeOf("code"), ValueKind::Number);
    EXPECT_EQ(doc.typeOf("obj"), ValueKind::Object);
    EXPECT_EQ(doc.typeOf("arr"), ValueKind::Array);
    EXPECT_EQ(doc.typeOf("s"), ValueKind::String);
    EXPECT_EQ(doc.typeOf("t"), ValueKind::Other);
    EXPECT_EQ(doc.typeOf(""), ValueKind::Object);
}

TEST(JsonDocument, ChildDocumentsAreIndependentCopiesShare)
{
    JsonDocument doc = parsed(kSample);
    JsonDocument child = doc.getDocument("obj");
    child.setNumber("a", 5);
    EXPECT_EQ(doc.getNumber("obj.a"), 1);
    EXPECT_EQ(child.getNumber("a"), 5);

    JsonDocument item = doc.getDocument("arr").getItemDocument(1, "");
    EXPECT_EQ(item.getNumber("x"), 2);
    EXPECT_EQ(doc.getItemDocument(0, "arr").getNumber("x"), 1);
    EXPECT_FALSE(doc.getDocument("missing").has("x"));
    EXPECT_EQ(doc.getDocument("missing").count(""), -2);

    JsonDocument shared = doc.copy();
    shared.setValue("s", "changed", false);
    EXPECT_EQ(doc.getText("s", false), "changed");

    // A second parse forgets the first value entirely.
    doc.parse(R"({"other":1})");
    EXPECT_FALSE(doc.has("code"));
    EXPECT_EQ(shared.getText("s", false), "changed");
}

TEST(JsonDocument, Changes)
{
    JsonDocument doc;
    doc.setValue("name", "it's", false);  // a quote is data, not script
    doc.setValue("obj", R"({"k":[1]})", true);
    doc.setValue("e", "", true);  // an empty expression is an empty object
    doc.setNumber("num", 0.1 + 0.2);
    doc.setExpression("expr", "[true]");
    doc.pushItem("a", "list", false);
    doc.pushItem("{\"b\":2}", "list", true);
    doc.pushItem("x", "missing.list", false);  // no parent: no effect
    doc.setValue("bad", "{not json", true);    // no effect
    EXPECT_EQ(doc.toJson(), R"({"name":"it's","obj":{"k":[1]},"e":{},"num":0.3,"expr":[true],"list":["a",{"b":2}]})");

    EXPECT_TRUE(doc.has("name"));
    doc.remove("name");
    EXPECT_FALSE(doc.has("name"));
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(doc.keys(names, ""), 5);
    EXPECT_EQ(names, (std::vector<std::string>{"obj", "e", "num", "expr", "list"}));
    EXPECT_EQ(doc.getItemText(1, "list", true), R"({"b":2})");
    EXPECT_EQ(doc.getItemText(0, "list", false), "a");

    doc.reset(ValueKind::Array);
    doc.pushItem("1", "", true);
    doc.setItem(2, "x", false);
    EXPECT_EQ(doc.toJson(), R"([1,null,"x"])");
    doc.removeItem(0);
    EXPECT_EQ(doc.toJson(), R"([null,"x"])");
    doc.setRoot("{\"r\":1}", true);
    EXPECT_EQ(doc.getNumber("r"), 1);
    doc.clear();
    EXPECT_EQ(doc.toJson(), "{}");
    doc.reset(ValueKind::String);  // other kinds do nothing
    EXPECT_EQ(doc.toJson(), "{}");
}

TEST(JsonDocument, PathsThatAreNotMemberExpressionsReadAsMissing)
{
    JsonDocument doc = parsed(R"({"a\"b":1,"c\\d":2,"ok":{"x":3},"0":"zero"})");
    for (const char* path : {"a\"b", "c\\d", "ok.", "ok..x", ".ok", "ok[x]", "ok;this.x=1", "ok.x)", "ok[-1]",
                             "constructor.constructor('return 1')()", "1abc"}) {
        EXPECT_EQ(doc.getText(path, false), "") << path;
        EXPECT_EQ(doc.getNumber(path), 0) << path;
        EXPECT_EQ(doc.typeOf(path), ValueKind::Other) << path;
    }
    EXPECT_EQ(doc.getNumber("ok.x"), 3);
    EXPECT_EQ(doc.getText("[0]", false), "zero");  // a bracketed index on an object names a member
    std::vector<std::string> names;
    EXPECT_EQ(doc.keys(names, ""), 4);
    EXPECT_EQ(names[0], "a\"b");
}

TEST(JsonDocument, Encodings)
{
    std::string escaped = R"({"name":"\u5fae\u4fe1 \ud83d\ude00"})";
    std::string rawUtf8 = utf8(u8R"({"name":"微信"})");
    std::string rawGbk = R"({"name":"微信"})";  // a GBK literal
    EXPECT_EQ(parsed(escaped).getText("name", false), "微信 ??");  // no GBK form for the emoji
    EXPECT_EQ(parsed(rawUtf8).getText("name", false), "微信");
    EXPECT_EQ(parsed(rawGbk).getText("name", false), "微信");

    // Invalid UTF-8 makes the whole text code page 936; nothing breaks.
    JsonDocument doc = parsed("{\"code\":1,\"name\":\"\xFF\xFE\x80\xC0\"}");
    EXPECT_EQ(doc.getNumber("code"), 1);
    EXPECT_FALSE(doc.getText("name", false).empty());
}

TEST(JsonDocument, HostileInput)
{
    std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_FALSE(JsonDocument().parse(deep));
    std::string deepObjects;
    for (int i = 0; i < 100000; ++i)
        deepObjects += "{\"a\":";
    deepObjects += "1" + std::string(100000, '}');
    EXPECT_FALSE(JsonDocument().parse(deepObjects));
    std::string nestedJustEnough = std::string(200, '[') + std::string(200, ']');
    EXPECT_TRUE(JsonDocument().parse(nestedJustEnough));

    std::string big = R"({"code":1,"data":{"name":")" + std::string(20 * 1024 * 1024, 'x') + R"("}})";
    JsonDocument doc = parsed(big);
    EXPECT_EQ(doc.getNumber("code"), 1);
    EXPECT_EQ(doc.getDocument("data").getText("name", false).size(), 20u * 1024 * 1024);

    // Unbalanced brackets inside strings do not count as nesting.
    EXPECT_TRUE(JsonDocument().parse("{\"s\":\"" + std::string(1000, '[') + "\"}"));
}
