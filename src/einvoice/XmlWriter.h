// XmlWriter: an XML document written element by element into memory through libxml2's text
// writer, indented, in UTF-8. Start/End nest elements; Element writes one with its text; an
// element with an empty text is left out (the invoice's optional fields). Text() hands the
// finished document over. A libxml2 failure (out of memory) throws std::runtime_error.
#pragma once

#include <memory>
#include <string>

typedef struct _xmlTextWriter xmlTextWriter;
typedef struct _xmlBuffer xmlBuffer;

namespace einvoice {

class XmlWriter {
public:
    XmlWriter();
    ~XmlWriter();
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;

    // The root element in a namespace, with its prefix, e.g. "p:FatturaElettronica".
    void StartRoot(const std::string& prefix, const std::string& name, const std::string& uri);
    void Start(const std::string& name);
    void End();
    void Attribute(const std::string& name, const std::string& value);
    void Element(const std::string& name, const std::string& text);
    // Closes every open element and the document; the text of the whole document.
    std::string Text();

private:
    void Check(int result, const char* what);

    struct FreeBuffer {
        void operator()(xmlBuffer* buffer) const;
    };
    struct FreeWriter {
        void operator()(xmlTextWriter* writer) const;
    };
    std::unique_ptr<xmlBuffer, FreeBuffer> m_buffer;
    std::unique_ptr<xmlTextWriter, FreeWriter> m_writer;
};

}  // namespace einvoice
