#include "AFCInputFileWriter/akw_Keyword.h"

void akw_WriteKeywords(utl_Stream& stream, const akw_KeywordList& list) {
  for (const akw_KeywordHandle& keyword : list)
    keyword->Write(stream);
}
