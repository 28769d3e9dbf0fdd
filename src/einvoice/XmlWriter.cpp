// XmlWriter: libxml2's text writer over a memory buffer, each handle owned once.
#include "einvoice/XmlWriter.h"

#include <libxml/xmlwriter.h>

#include <stdexcept>

namespace einvoice {

namespace {

const xmlChar* X(const std::string& text)
{
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

}  // namespace

void XmlWriter::FreeBuffer::operator()(xmlBuffer* buffer) const
{
    xmlBufferFree(buffer);
}

void XmlWriter::FreeWriter::operator()(xmlTextWriter* writer) const
{
    xmlFreeTextWriter(writer);
}

XmlWriter::XmlWriter() : m_buffer(xmlBufferCreate())
{
    if (!m_buffer)
        throw std::runtime_error("the XML writer could not get memory");
    m_writer.reset(xmlNewTextWriterMemory(m_buffer.get(), 0));
    if (!m_writer)
        throw std::runtime_error("the XML writer could not be created");
    Check(xmlTextWriterSetIndent(m_writer.get(), 1), "indent");
    Check(xmlTextWriterSetIndentString(m_writer.get(), X("  ")), "indent");
    Check(xmlTextWriterStartDocument(m_writer.get(), "1.0", "UTF-8", nullptr), "start the document");
}

XmlWriter::~XmlWriter() = default;

void XmlWriter::Check(int result, const char* what)
{
    if (result < 0)
        throw std::runtime_error(std::string("the XML writer could not ") + what);
}

void XmlWriter::StartRoot(const std::string& prefix, const std::string& name, const std::string& uri)
{
    Check(xmlTextWriterStartElementNS(m_writer.get(), X(prefix), X(name), X(uri)), "start an element");
}

void XmlWriter::Start(const std::string& name)
{
    Check(xmlTextWriterStartElement(m_writer.get(), X(name)), "start an element");
}

void XmlWriter::End()
{
    Check(xmlTextWriterEndElement(m_writer.get()), "end an element");
}

void XmlWriter::Attribute(const std::string& name, const std::string& value)
{
    Check(xmlTextWriterWriteAttribute(m_writer.get(), X(name), X(value)), "write an attribute");
}

void XmlWriter::Element(const std::string& name, const std::string& text)
{
    if (text.empty())
        return;
    Check(xmlTextWriterWriteElement(m_writer.get(), X(name), X(text)), "write an element");
}

std::string XmlWriter::Text()
{
    Check(xmlTextWriterEndDocument(m_writer.get()), "end the document");
    Check(xmlTextWriterFlush(m_writer.get()), "flush");
    return std::string(reinterpret_cast<const char*>(xmlBufferContent(m_buffer.get())),
                       static_cast<std::size_t>(xmlBufferLength(m_buffer.get())));
}

}  // namespace einvoice
