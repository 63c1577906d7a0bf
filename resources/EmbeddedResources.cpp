#include "resources/EmbeddedResources.h"

#include "resources/EmbeddedData.h"

namespace velqa
{

void registerEmbeddedResources()
{
    setResourceTable(&embedded::kTable);
}

} // namespace velqa
