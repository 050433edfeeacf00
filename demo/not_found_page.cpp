#include "demo/not_found_page.h"

#include "demo/html_text.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {

PageResponse not_found_page(const PageRequest& request) {
    std::string body =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=gb2312\" /><title>";
    body += GBK("404 - 找不到文件或目录。</title></head><body>\r\n<h2>");
    body +=
        GBK("404 - "
            "找不到文件或目录。</"
            "h2>\r\n<h3>您要查找的资源可能已被删除、已更改名称或者暂时不可用。</h3>\r\n<p>");
    body += html_escape(request.path);
    body += "</p>\r\n</body></html>\r\n";
    return {404, std::string(kGbkHtml), std::move(body)};
}

PageResponse server_error_page(int status) {
    std::string body =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=gb2312\" /><title>";
    body += std::to_string(status);
    body += GBK(" - 服务器错误</title></head><body>\r\n<h2>");
    body += std::to_string(status);
    body += GBK(" - 服务器错误。</h2>\r\n<h3>您查找的资源存在问题，因而无法显示。</h3>\r\n");
    body += "</body></html>\r\n";
    return {status, std::string(kGbkHtml), std::move(body)};
}

}  // namespace quvolo::demo
