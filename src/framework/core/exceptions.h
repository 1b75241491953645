#pragma once
#include <exception>
#include <string>

// Base of every error the framework raises. The message is the text the application's error
// box shows, worded as the program's behaviour quotes it.
class Exception : public std::exception {
public:
  explicit Exception(std::string message);
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

class EConvertError : public Exception { public: using Exception::Exception; };
class EStringListError : public Exception { public: using Exception::Exception; };
class ERegistryException : public Exception { public: using Exception::Exception; };
class EFCreateError : public Exception { public: using Exception::Exception; };
class EFOpenError : public Exception { public: using Exception::Exception; };
class EReadError : public Exception { public: using Exception::Exception; };
class EWriteError : public Exception { public: using Exception::Exception; };
class EResNotFound : public Exception { public: using Exception::Exception; };
class EInvalidGraphic : public Exception { public: using Exception::Exception; };
class EOutOfResources : public Exception { public: using Exception::Exception; };
class EIniFileException : public Exception { public: using Exception::Exception; };
class EInvalidOperation : public Exception { public: using Exception::Exception; };
// A broken internal precondition.
class EAssertionFailed : public Exception { public: using Exception::Exception; };
