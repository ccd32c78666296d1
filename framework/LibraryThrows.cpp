// The errors that GCC's standard library raises from its containers and
// strings (a length beyond the maximum, a position out of range). Its own
// versions build std::logic_error, which carries a reference-counted string of
// its own and links a second string implementation into the program; every
// catch in the program is catch (...), so a light exception does as well.
#include <exception>
#include <new>

#if defined(__GLIBCXX__)

namespace {

class CLibraryError : public std::exception {
public:
    explicit CLibraryError(const char* what) noexcept : m_what(what) {}
    const char* what() const noexcept override { return m_what; }

private:
    const char* m_what;
};

} // namespace

namespace std {

void __throw_bad_alloc()
{
    throw bad_alloc();
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

void __throw_logic_error(const char* what)
{
    throw CLibraryError(what);
}

void __throw_length_error(const char* what)
{
    throw CLibraryError(what);
}

void __throw_out_of_range_fmt(const char* format, ...)
{
    throw CLibraryError(format);
}

} // namespace std

#endif
