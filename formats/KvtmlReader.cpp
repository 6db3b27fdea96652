#include "formats/KvtmlReader.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "formats/ImportedCards.h"
#include "formats/LanguageCodes.h"
#include "unicode/Utf8Utf16.h"

namespace {

// What the parse hooks found; kept in the parser context's user data.
struct ParseGuard {
    int depth = 0;
    std::string refusal;
};

void Refuse(xmlParserCtxtPtr context, const char* reason) {
    auto* guard = static_cast<ParseGuard*>(context->_private);
    if (guard->refusal.empty()) guard->refusal = reason;
    xmlStopParser(context);
}

// No list needs an entity of its own; refusing every declaration rules out expansion bombs
// ("billion laughs") and external entities (a file naming /etc/passwd) before any is used.
void RefuseEntityDeclaration(void* context, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    Refuse(static_cast<xmlParserCtxtPtr>(context), "it declares XML entities, which a word list never needs");
}

void StartElementWithinDepth(void* context, const xmlChar* localName, const xmlChar* prefix,
                             const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                             int attributeCount, int defaulted, const xmlChar** attributes) {
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    auto* guard = static_cast<ParseGuard*>(parser->_private);
    if (++guard->depth > kMaxKvtmlDepth) return Refuse(parser, "its elements nest deeper than 64 levels");
    xmlSAX2StartElementNs(context, localName, prefix, uri, namespaceCount, namespaces, attributeCount,
                          defaulted, attributes);
}

void EndElementWithinDepth(void* context, const xmlChar* localName, const xmlChar* prefix,
                           const xmlChar* uri) {
    --static_cast<ParseGuard*>(static_cast<xmlParserCtxtPtr>(context)->_private)->depth;
    xmlSAX2EndElementNs(context, localName, prefix, uri);
}

struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
struct ContextFree {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
using Document = std::unique_ptr<xmlDoc, DocumentFree>;

// Parses from memory: no network, no DTD loaded, entities neither declared nor substituted (the
// five predefined ones and character references aside), depth bounded. Null with `refusal` set
// when the bytes are not such a document.
Document Parse(const uint8_t* data, size_t size, std::string& refusal) {
    static const bool initialised = (xmlInitParser(), true);  // owner: this reader; libxml2's globals
    (void)initialised;
    std::unique_ptr<xmlParserCtxt, ContextFree> context(xmlNewParserCtxt());
    if (!context || size > static_cast<size_t>(INT32_MAX)) {
        refusal = "it could not be parsed";
        return nullptr;
    }
    ParseGuard guard;
    context->_private = &guard;
    context->sax->entityDecl = RefuseEntityDeclaration;
    context->sax->startElementNs = StartElementWithinDepth;
    context->sax->endElementNs = EndElementWithinDepth;
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
    Document document(xmlCtxtReadMemory(context.get(), reinterpret_cast<const char*>(data),
                                        static_cast<int>(size), "list.kvtml", nullptr, options));
    if (!guard.refusal.empty()) {
        refusal = guard.refusal;
        return nullptr;
    }
    if (!document || !context->wellFormed) {
        const xmlError* error = xmlCtxtGetLastError(context.get());
        refusal = "it is not well-formed XML";
        if (error) refusal += " (line " + std::to_string(error->line) + ")";
        return nullptr;
    }
    return document;
}

bool Named(const xmlNode* node, const char* name) {
    return node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

std::vector<xmlNode*> Children(const xmlNode* parent, const char* name) {
    std::vector<xmlNode*> children;
    if (!parent) return children;
    for (xmlNode* child = parent->children; child; child = child->next) {
        if (Named(child, name)) children.push_back(child);
    }
    return children;
}

xmlNode* Child(const xmlNode* parent, const char* name) {
    if (!parent) return nullptr;
    for (xmlNode* child = parent->children; child; child = child->next) {
        if (Named(child, name)) return child;
    }
    return nullptr;
}

std::string Utf8Content(const xmlNode* node) {
    if (!node) return "";
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

std::u16string Content(const xmlNode* node) { return TidyField(Utf8ToUtf16(Utf8Content(node))); }

std::string Attribute(const xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

struct IdentifierLanguage {
    std::string id;
    std::string code;  // "" when neither its locale nor its name names a language the game knows
};

// Which identifier is asked and which answered: the player knows English, so English is the
// prompt and the other language the answer; two other known languages keep the file's order; of
// one known and one unknown, the known one is learned; of two unknown, the file's order.
void ChooseSides(const std::vector<IdentifierLanguage>& languages, WordListImport& list,
                 std::string& promptId, std::string& answerId) {
    size_t prompt = 0, answer = 1;
    for (size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].code == "en") {
            prompt = i;
            answer = i == 0 ? 1 : 0;
            for (size_t j = 0; j < languages.size(); ++j) {
                if (j != i && !languages[j].code.empty()) {
                    answer = j;
                    break;
                }
            }
            break;
        }
    }
    if (languages[prompt].code != "en" && languages[0].code.empty() && !languages[1].code.empty())
        prompt = 0, answer = 1;
    else if (languages[prompt].code != "en" && !languages[0].code.empty() && languages[1].code.empty())
        prompt = 1, answer = 0;
    promptId = languages[prompt].id;
    answerId = languages[answer].id;
    for (auto [side, index] :
         {std::pair{&list.promptLanguage, prompt}, std::pair{&list.answerLanguage, answer}}) {
        side->code = languages[index].code;
        side->found = side->code.empty() ? LanguageFound::Unknown : LanguageFound::Identifier;
    }
}

struct Lesson {
    std::u16string title;
    std::vector<std::string> entryIds;
};

// Lessons in document order, nested ones after their parent: `<container>` with `<entry id>`
// (and `<lesson>` with `<entryid>` in older files).
void CollectLessons(const xmlNode* parent, std::vector<Lesson>& lessons) {
    if (!parent) return;
    for (xmlNode* child = parent->children; child; child = child->next) {
        if (!Named(child, "container") && !Named(child, "lesson")) continue;
        Lesson lesson{ListTitle(Content(Child(child, "name"))), {}};
        for (const xmlNode* entry : Children(child, "entry"))
            lesson.entryIds.push_back(Attribute(entry, "id"));
        for (const xmlNode* entry : Children(child, "entryid")) lesson.entryIds.push_back(Utf8Content(entry));
        lessons.push_back(std::move(lesson));
        CollectLessons(child, lessons);
    }
}

std::u16string TranslationPart(const xmlNode* entry, const std::string& languageId, const char* part) {
    for (const xmlNode* translation : Children(entry, "translation")) {
        if (Attribute(translation, "id") == languageId) return Content(Child(translation, part));
    }
    return u"";
}

}  // namespace

void ReadKvtml(const uint8_t* data, size_t size, WordListImport& list) {
    list.format = "KVTML";
    std::string refusal;
    const Document document = Parse(data, size, refusal);
    const xmlNode* root = document ? xmlDocGetRootElement(document.get()) : nullptr;
    if (!refusal.empty() || !root) {
        list.refused = true;
        list.refusal = refusal.empty() ? "it holds no XML element" : refusal;
        return;
    }
    if (!Named(root, "kvtml")) {
        list.refused = true;
        list.refusal = "it is an XML file of another kind (<" +
                       std::string(reinterpret_cast<const char*>(root->name)) + ">), not a word list";
        return;
    }
    const std::string version = Attribute(root, "version");
    if (version.rfind("2", 0) != 0) {
        list.refused = true;
        list.refusal =
            "it is a KVTML 1 file, which is not read (open it in a KDE vocabulary trainer and save it as "
            "KVTML 2)";
        return;
    }
    list.format = "KVTML 2.0";
    list.title = ListTitle(Content(Child(Child(root, "information"), "title")));

    std::vector<IdentifierLanguage> languages;
    for (const xmlNode* identifier : Children(Child(root, "identifiers"), "identifier")) {
        std::string code = LanguageCodeOf(Utf8Content(Child(identifier, "locale")));
        if (code.empty()) code = LanguageCodeOf(Utf8Content(Child(identifier, "name")));
        languages.push_back({Attribute(identifier, "id"), code});
    }
    if (languages.size() < 2) {
        list.refused = true;
        list.refusal = "it holds one language only, so its words have no answer";
        return;
    }
    std::string promptId, answerId;
    ChooseSides(languages, list, promptId, answerId);

    std::map<std::string, const xmlNode*> entries;
    std::vector<std::string> entryOrder;
    for (const xmlNode* entry : Children(Child(root, "entries"), "entry")) {
        const std::string id = Attribute(entry, "id");
        if (entries.emplace(id, entry).second) entryOrder.push_back(id);
    }
    std::vector<Lesson> lessons;
    CollectLessons(Child(root, "lessons"), lessons);
    // An entry belongs to the first lesson that lists it; the ones no lesson lists come last.
    Lesson rest;
    std::map<std::string, bool> placed;
    for (Lesson& lesson : lessons) {
        std::vector<std::string> kept;
        for (const std::string& id : lesson.entryIds) {
            if (entries.count(id) && !placed[id]) placed[id] = true, kept.push_back(id);
        }
        lesson.entryIds = std::move(kept);
    }
    for (const std::string& id : entryOrder) {
        if (!placed[id]) rest.entryIds.push_back(id);
    }
    lessons.push_back(std::move(rest));

    CardCollector collector(list);
    for (const Lesson& lesson : lessons) {
        ImportedLesson imported{lesson.title, {}};
        for (const std::string& id : lesson.entryIds) {
            const xmlNode* entry = entries[id];
            const std::string where = "entry " + id;
            // The learner switched it off in their trainer: not a fault to report.
            if (Utf8Content(Child(entry, "deactivated")) == "true") continue;
            std::u16string hint = TranslationPart(entry, answerId, "comment");
            if (hint.empty()) hint = TranslationPart(entry, promptId, "comment");
            collector.Add(imported, {TranslationPart(entry, promptId, "text"),
                                     TranslationPart(entry, answerId, "text"), hint, where});
        }
        list.lessons.push_back(std::move(imported));
    }
    collector.Finish();
}
