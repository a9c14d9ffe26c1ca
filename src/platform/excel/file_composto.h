#pragma once
#include <string>
#include <string_view>

// The stream of that name (compared without regard to case) right under the root of an OLE2
// compound file, the container of an .xls; false when the file holds no such stream. Throws
// std::runtime_error when the container is damaged.
bool leggiFlussoComposto(std::string_view file, std::u16string_view nome, std::string& flusso);
